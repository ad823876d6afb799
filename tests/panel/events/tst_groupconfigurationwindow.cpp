#include "panel/events/groupconfigurationwindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {
Computer computer(const QString& name, int id)
{
    Computer c;
    c.computer_name = name;
    c.computer_address = QStringLiteral("10.0.0.") + QString::number(id);
    c.computer_configId = id;
    return c;
}

Group group(const QString& name, int id, const QVector<int>& members = {})
{
    Group g;
    g.group_name = name;
    g.group_configId = id;
    g.computers = members;
    return g;
}

QStringList names(const QTreeWidget* tree)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts << tree->topLevelItem(i)->text(0);
    return texts;
}
} // namespace

class TestGroupConfigurationWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { LxTest::closeAllMessageBoxes(); }
    void nameRules_data();
    void nameRules();
    void membersMoveAtOnce();
};

void TestGroupConfigurationWindow::nameRules_data()
{
    QTest::addColumn<bool>("existing"); // edit "Biuro" rather than make a new group
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("refusal"); // empty: accepted

    const QString characters = QStringLiteral("Nazwa grupy zawiera niedozwolone znaki");
    const QString inUse = QStringLiteral("Istnieje już grupa o podanej nazwie");
    QTest::newRow("ampersand") << false << "R&D" << characters;
    QTest::newRow("double quote") << false << "a\"b" << characters;
    QTest::newRow("apostrophe") << false << "a'b" << characters;
    QTest::newRow("less-than") << false << "a<b" << characters;
    QTest::newRow("greater-than") << false << "a>b" << characters;
    QTest::newRow("in use and markup: characters first") << false << "Hala <1>" << characters;
    QTest::newRow("name in use") << false << "Biuro" << inUse;
    QTest::newRow("other case is another name") << false << "biuro" << QString();
    QTest::newRow("blanks count") << false << "Biuro " << QString();
    QTest::newRow("empty name for a new group") << false << "" << QString();
    QTest::newRow("own name kept") << true << "Biuro" << QString();
    QTest::newRow("another group's name") << true << "Hala <1>" << characters;
    QTest::newRow("renamed to a used name") << true << "Magazyn" << inUse;
    QTest::newRow("Default accepted here") << false << "Default 2" << QString();
}

void TestGroupConfigurationWindow::nameRules()
{
    QFETCH(bool, existing);
    QFETCH(QString, name);
    QFETCH(QString, refusal);
    QVector<Group> groups{group(QStringLiteral("Biuro"), 0), group(QStringLiteral("Magazyn"), 1),
                          group(QStringLiteral("Hala <1>"), 2)};
    Group fresh;
    GroupConfigurationWindow dialog;
    dialog.setAvailableComputers({computer(QStringLiteral("A"), 0)});
    // The two orders the owner uses: each leaves the edited group's own name free.
    if (existing) {
        dialog.setEditedGroup(&groups[0]);
        dialog.setExistingGroups(groups);
    } else {
        dialog.setExistingGroups(groups);
        dialog.setEditedGroup(&fresh);
    }
    dialog.show();
    dialog.findChild<QLineEdit*>(QStringLiteral("groupNameEdit"))->setText(name);
    QSharedPointer<LxTest::SeenBox> seen;
    if (!refusal.isEmpty())
        seen = LxTest::answerNextMessageBox();
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    if (refusal.isEmpty()) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.groupName(), name);
        return;
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(seen->windowTitle, QStringLiteral("Błędna nazwa grupy"));
    QCOMPARE(seen->text, refusal);
}

void TestGroupConfigurationWindow::membersMoveAtOnce()
{
    // Member 7 names no known computer: no row, and it stays in the record.
    Group edited = group(QStringLiteral("Biuro"), 3, {2, 7});
    GroupConfigurationWindow dialog;
    dialog.setAvailableComputers({computer(QStringLiteral("A"), 1), computer(QStringLiteral("B"), 2),
                                  computer(QStringLiteral("C"), 5)});
    dialog.setEditedGroup(&edited);
    dialog.show();
    auto* members = dialog.findChild<QTreeWidget*>(QStringLiteral("computersInGroupTree"));
    auto* others = dialog.findChild<QTreeWidget*>(QStringLiteral("availableComputersTree"));
    QCOMPARE(names(members), QStringList{"B"});
    QCOMPARE(members->topLevelItem(0)->text(6), QStringLiteral("3"));
    QCOMPARE(names(others), (QStringList{"A", "C"}));

    // "<" then ">" on C: the record follows each press, C ends at the top.
    others->setCurrentItem(others->topLevelItem(1));
    dialog.findChild<QPushButton*>(QStringLiteral("addToGroupButton"))->click();
    QCOMPARE(edited.computers, (QVector<int>{2, 7, 5}));
    QCOMPARE(names(members), (QStringList{"C", "B"}));
    members->setCurrentItem(members->topLevelItem(0));
    dialog.findChild<QPushButton*>(QStringLiteral("removeFromGroupButton"))->click();
    QCOMPARE(edited.computers, (QVector<int>{2, 7}));
    QCOMPARE(names(others), (QStringList{"C", "A"}));

    // Nothing selected: nothing moves.
    members->clearSelection();
    dialog.findChild<QPushButton*>(QStringLiteral("removeFromGroupButton"))->click();
    QCOMPARE(edited.computers, (QVector<int>{2, 7}));

    // Only a known computer joins.
    dialog.addComputerToGroup(42);
    QCOMPARE(edited.computers, (QVector<int>{2, 7}));
}

LX_TEST_MAIN(TestGroupConfigurationWindow)
#include "tst_groupconfigurationwindow.moc"
