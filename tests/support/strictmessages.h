#pragma once

// Turns the warnings Qt prints for broken string-based connections (and a few
// relatives) into test failures: otherwise such a connection just never fires.
class QObject;

namespace LxTest {
void installStrictMessageHandler();
// QTest::qExec with the strict handler in place for every test function.
int runTests(QObject* testObject, int argc, char** argv);
} // namespace LxTest
