// The condition language with Qt Core alone: spacing, parsing, printing and
// the way back to infix.
#include "panel/events/conditiontext.h"
#include "panel/events/expressiongrammar.h"
#include "panel/events/printer.h"
#include "tests/support/lxtestcore.h"

class TestConditionLanguage : public QObject
{
    Q_OBJECT

private slots:
    void spacing_data();
    void spacing();
    void infixToPostfix_data();
    void infixToPostfix();
    void refused_data();
    void refused();
    void treeShape();
    void printerOnEveryNode();
    void deepTextsAreRefusedNotOverflowed_data();
    void deepTextsAreRefusedNotOverflowed();
    void postfixToInfix_data();
    void postfixToInfix();
    void roundTrip_data();
    void roundTrip();
};

namespace {
const QStringList allOperators = {"==", "!=", "<", "<=", ">", ">=", "||", "&&", "( )"};
const QStringList twoStateOperators = {"==", "||", "&&", "( )"};
} // namespace

void TestConditionLanguage::spacing_data()
{
    QTest::addColumn<QString>("infix");
    QTest::addColumn<QString>("spaced");

    QTest::newRow("equal and ON") << "stateNormal==ON"
                                  << "stateNormal ==  ON ";
    QTest::newRow("less or equal joined again") << "paramOutputLoad<=80"
                                                << "paramOutputLoad  <= 80";
    QTest::newRow("greater or equal joined again") << "a>=1"
                                                   << "a  >= 1";
    QTest::newRow("typed apart stays apart") << "a< =1"
                                             << "a <  =1";
    QTest::newRow("OFF inside a word") << "xOFFy"
                                       << "x OFF y";
    QTest::newRow("ON inside OFF is not split") << "OFF"
                                                << " OFF ";
    QTest::newRow("lower case untouched") << "on||off"
                                          << "on || off";
    QTest::newRow("not equal") << "a!=b"
                               << "a != b";
    QTest::newRow("and") << "a&&b"
                         << "a && b";
    QTest::newRow("empty") << ""
                           << "";
}

void TestConditionLanguage::spacing()
{
    QFETCH(QString, infix);
    QFETCH(QString, spaced);
    QCOMPARE(ConditionText::spaceOperators(infix), spaced);
}

void TestConditionLanguage::infixToPostfix_data()
{
    QTest::addColumn<QString>("infix");
    QTest::addColumn<QString>("postfix");

    QTest::newRow("one comparison") << "stateNormal == ON"
                                    << "stateNormal,ON,==,";
    QTest::newRow("no spaces") << "stateNormal==ON"
                               << "stateNormal,ON,==,";
    QTest::newRow("parentheses leave no trace") << "(stateNormal == ON)"
                                                << "stateNormal,ON,==,";
    QTest::newRow("spaces around") << " stateNormal == ON "
                                   << "stateNormal,ON,==,";
    QTest::newRow("tabs and line ends are spaces") << "\tstateNormal\r\n==\vON\f"
                                                   << "stateNormal,ON,==,";
    QTest::newRow("or of two") << "stateNormal == ON || stateAvrActive == ON"
                               << "stateNormal,ON,==,stateAvrActive,ON,==,||,";
    QTest::newRow("and over a bracketed or")
        << "paramOutputLoad > 80 && (stateNormal == OFF || messageCharging == ON)"
        << "paramOutputLoad,80,>,stateNormal,OFF,==,messageCharging,ON,==,||,&&,";
    QTest::newRow("and binds tighter than or") << "a || b && c"
                                               << "a,b,c,&&,||,";
    QTest::newRow("brackets first") << "(a || b) && c"
                                    << "a,b,||,c,&&,";
    QTest::newRow("or is left-associative") << "a || b || c"
                                            << "a,b,||,c,||,";
    QTest::newRow("less than is looser than less or equal") << "a < b <= c"
                                                            << "a,b,c,<=,<,";
    QTest::newRow("less or equal then less than") << "a <= b < c"
                                                  << "a,b,<=,c,<,";
    QTest::newRow("equal is looser than not equal") << "a == b != c"
                                                    << "a,b,c,!=,==,";
    QTest::newRow("greater than is looser than greater or equal") << "a > b >= c"
                                                                  << "a,b,c,>=,>,";
    QTest::newRow("all eight levels") << "a || b && c < d <= e > f >= g == h != i"
                                      << "a,b,c,d,e,f,g,h,i,!=,==,>=,>,<=,<,&&,||,";
    QTest::newRow("tokens kept literally") << "x.y == 080"
                                           << "x.y,080,==,";
    QTest::newRow("decimal point") << "paramOutputLoad >= 80.5"
                                   << "paramOutputLoad,80.5,>=,";
    QTest::newRow("a lone token") << "stateNormal"
                                  << "stateNormal,";
    QTest::newRow("nested brackets") << "((a == ON))"
                                     << "a,ON,==,";
    QTest::newRow("operator glued to its operand") << "a ==b"
                                                   << "a,b,==,";
    QTest::newRow("several spaces") << "a   ==    b"
                                    << "a,b,==,";
}

void TestConditionLanguage::infixToPostfix()
{
    QFETCH(QString, infix);
    QFETCH(QString, postfix);
    QString result = QStringLiteral("stale");
    QVERIFY(ConditionText::infixToPostfix(infix, result));
    QCOMPARE(result, postfix);
}

void TestConditionLanguage::refused_data()
{
    QTest::addColumn<QString>("infix");

    QTest::newRow("space inside an operator") << "paramOutputLoad < = 80";
    QTest::newRow("surplus parenthesis") << "stateNormal == ON )";
    QTest::newRow("missing parenthesis") << "(stateNormal == ON";
    QTest::newRow("operator without right operand") << "stateNormal ==";
    QTest::newRow("operator without left operand") << "== ON";
    QTest::newRow("two operands, no operator") << "stateNormal ON";
    QTest::newRow("empty parentheses") << "( )";
    QTest::newRow("empty parentheses after a condition") << "stateNormal == ON ( )";
    QTest::newRow("empty") << "";
    QTest::newRow("spaces only") << "   ";
    QTest::newRow("outside ASCII") << "stateNormal == ÓN";
    QTest::newRow("a non-ASCII space") << QString("a ==") + QChar(0x00A0) + "b";
    QTest::newRow("a control character") << QString("a == b") + QChar(0x01);
    QTest::newRow("no unary operator") << "! a";
}

void TestConditionLanguage::refused()
{
    QFETCH(QString, infix);
    QString postfix = QStringLiteral("stale");
    QVERIFY(!ConditionText::infixToPostfix(infix, postfix));
    QVERIFY(postfix.isEmpty());
}

// A level folds to the left and a bracket adds no node.
void TestConditionLanguage::treeShape()
{
    const ast::expression_grammar grammar;
    ast::expression_ast tree;
    QVERIFY(grammar.parse("a || b || (c)", tree));
    QCOMPARE(tree.expr.which(), 3);
    const auto& outer = *boost::get<ast::boxed<ast::binary_op>>(tree.expr).get();
    QCOMPARE(outer.op, std::string("||"));
    QCOMPARE(outer.right.expr.which(), 1);
    QCOMPARE(boost::get<std::string>(outer.right.expr), std::string("c"));
    const auto& inner = *boost::get<ast::boxed<ast::binary_op>>(outer.left.expr).get();
    QCOMPARE(boost::get<std::string>(inner.left.expr), std::string("a"));
    QCOMPARE(boost::get<std::string>(inner.right.expr), std::string("b"));

    // The copy is deep: the original outlives it unchanged.
    ast::expression_ast copy = tree;
    tree = ast::expression_ast();
    std::string out;
    ast::printer{out}(copy);
    QCOMPARE(out, std::string("a,b,||,c,||,"));
}

// The alternatives no parse makes still print, and an empty node ends.
void TestConditionLanguage::printerOnEveryNode()
{
    ast::expression_ast empty;
    QCOMPARE(empty.expr.which(), 0);

    const ast::expression_ast nested = ast::expression_ast::nested(std::string("a"));
    QCOMPARE(nested.expr.which(), 2);
    const ast::expression_ast unary(ast::unary_op("!", nested));
    const ast::expression_ast tree(ast::binary_op("&&", unary, empty));

    std::string out = "x,";
    ast::printer{out}(tree);
    QCOMPARE(out, std::string("x,a,!,&&,"));
}

void TestConditionLanguage::deepTextsAreRefusedNotOverflowed_data()
{
    QTest::addColumn<QString>("infix");
    QTest::addColumn<bool>("accepted");

    const int depth = ConditionText::maxNesting;
    QTest::newRow("deepest accepted") << QString(depth, '(') + "a" + QString(depth, ')') << true;
    QTest::newRow("one level deeper") << QString(depth + 1, '(') + "a" + QString(depth + 1, ')') << false;
    QTest::newRow("a hundred thousand brackets")
        << QString(100000, '(') + "a" + QString(100000, ')') << false;
    QTest::newRow("a long chain accepted")
        << QStringList(QVector<QString>(1000, "a").toList()).join("==") << true;
    QTest::newRow("a chain too long")
        << QStringList(QVector<QString>(100000, "a").toList()).join("==") << false;
}

void TestConditionLanguage::deepTextsAreRefusedNotOverflowed()
{
    QFETCH(QString, infix);
    QFETCH(bool, accepted);
    QString postfix;
    QCOMPARE(ConditionText::infixToPostfix(infix, postfix), accepted);
}

void TestConditionLanguage::postfixToInfix_data()
{
    QTest::addColumn<QString>("postfix");
    QTest::addColumn<QStringList>("operators");
    QTest::addColumn<QString>("infix");

    QTest::newRow("one comparison") << "stateNormal,ON,==," << allOperators << "(stateNormal==ON)";
    QTest::newRow("or of two") << "stateNormal,ON,==,stateAvrActive,ON,==,||," << allOperators
                               << "((stateNormal==ON)||(stateAvrActive==ON))";
    QTest::newRow("first operator first")
        << "a,ON,==,b,ON,==,c,ON,==,&&,||," << allOperators << "((a==ON)||((b==ON)&&(c==ON)))";
    QTest::newRow("one item") << "stateNormal," << allOperators << "stateNormal";
    QTest::newRow("no final comma, one item") << "stateNormal" << allOperators << "stateNormal";
    QTest::newRow("no final comma") << "stateNormal,ON,==" << allOperators << "(stateNormal==ON)";
    QTest::newRow("empty") << "" << allOperators << "";
    QTest::newRow("commas only") << ",,," << allOperators << "";
    QTest::newRow("numeric comparison") << "paramOutputLoad,80,>," << allOperators << "(paramOutputLoad>80)";
    // Ill-formed texts end and give back what is left.
    QTest::newRow("operator first") << "==,a,b," << allOperators << "== a b";
    QTest::newRow("operator after one operand") << "a,==,b," << allOperators << "a == b";
    QTest::newRow("lone operator") << "||," << allOperators << "||";
    QTest::newRow("operand left over") << "a,b,==,c," << allOperators << "(a==b) c";
    QTest::newRow("stuck after a good part") << "a,b,==,||,c," << allOperators << "(a==b) || c";
    QTest::newRow("operator not offered")
        << "paramOutputLoad,80,>," << twoStateOperators << "paramOutputLoad 80 >";
    QTest::newRow("no operator list") << "a,b,==," << QStringList() << "a b ==";
}

void TestConditionLanguage::postfixToInfix()
{
    QFETCH(QString, postfix);
    QFETCH(QStringList, operators);
    QFETCH(QString, infix);
    QCOMPARE(ConditionText::postfixToInfix(postfix, operators), infix);
}

// What is opened for editing and saved unchanged is stored as it was.
void TestConditionLanguage::roundTrip_data()
{
    QTest::addColumn<QString>("postfix");

    QTest::newRow("one") << "stateNormal,ON,==,";
    QTest::newRow("or") << "stateNormal,ON,==,stateAvrActive,ON,==,||,";
    QTest::newRow("mixed") << "paramOutputLoad,80,>,stateNormal,OFF,==,messageCharging,ON,==,||,&&,";
    QTest::newRow("every operator") << "a,b,c,d,e,f,g,h,i,!=,==,>=,>,<=,<,&&,||,";
    QTest::newRow("right-deep") << "a,b,c,d,<,<,<,";
    QTest::newRow("lone item") << "stateNormal,";
}

void TestConditionLanguage::roundTrip()
{
    QFETCH(QString, postfix);
    QString again;
    QVERIFY(ConditionText::infixToPostfix(ConditionText::postfixToInfix(postfix, allOperators), again));
    QCOMPARE(again, postfix);
}

LX_TEST_GUILESS_MAIN(TestConditionLanguage)
#include "tst_conditionlanguage.moc"
