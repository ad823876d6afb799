#pragma once

// Turns the warnings Qt prints for broken string-based connections (and a few
// relatives) into test failures: otherwise such a connection just never fires.
namespace LxTest {
void installStrictMessageHandler();
}
