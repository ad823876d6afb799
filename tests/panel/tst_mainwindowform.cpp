#include "panel/lineeditwidget.h"
#include "panel/progressbarwidget.h"
#include "tests/support/lxtest.h"
#include "ui_luminorixwindow.h"

#include <QMainWindow>
#include <QProgressBar>
#include <QScopeGuard>

// Stands in for the real window: the form only needs the slot names.
class FormHost : public QMainWindow
{
    Q_OBJECT

public:
    FormHost() { ui.setupUi(this); }
    Ui_LuminorixWindow ui;
    QStringList calls;

public slots:
    void applicationConfigurationButtonClickHandler() { calls << QStringLiteral("application"); }
    void networkConfigurationButtonClickHandler() { calls << QStringLiteral("network"); }
    void extendInformationButtonClickHandler() { calls << QStringLiteral("extendInformation"); }
    void loggingConfigurationButtonClickHandler() { calls << QStringLiteral("logging"); }
    void reallyClose() { calls << QStringLiteral("reallyClose"); }
    void aboutButtonClickHandler() { calls << QStringLiteral("about"); }
    void upsConfigurationButtonClickHandler() { calls << QStringLiteral("upsConfiguration"); }
    void upsEventsButtonClickHandler() { calls << QStringLiteral("upsEvents"); }
    void logIn() { calls << QStringLiteral("logIn"); }
    void changeAdminPass() { calls << QStringLiteral("changeAdminPass"); }
    void connectWithService() { calls << QStringLiteral("connectWithService"); }
    void disableAdministratorButtons() { calls << QStringLiteral("logout"); }
    void checkForUpdates() { calls << QStringLiteral("checkForUpdates"); }
    void onlineHelpButtonClickHandler() { calls << QStringLiteral("onlineHelp"); }
    void on_actionVirtualizationCenter_triggered() { calls << QStringLiteral("virtualizationCenter"); }
};

class TestMainWindowForm : public QObject
{
    Q_OBJECT

private slots:
    void initialState();
    void entriesReachTheirSlots_data();
    void entriesReachTheirSlots();
    void menus();
    void valueFields();
    void layoutFitsTheWindow();
    void nameAndLocationFieldIsFullHeight();
};

void TestMainWindowForm::initialState()
{
    FormHost w;
    QCOMPARE(w.windowTitle(), QString());
    QCOMPARE(w.objectName(), QStringLiteral("LuminorixWindow"));
    QCOMPARE(w.size(), QSize(940, 629));
    QCOMPARE(w.dockOptions(), QMainWindow::AnimatedDocks);

    for (QAction* a :
         {w.ui.actionUpsConfiguration, w.ui.actionApplicationConfiguration, w.ui.actionNetworkConfiguration,
          w.ui.actionLoggingConfiguration, w.ui.actionVirtualizationCenter})
        QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
    for (QAction* a :
         {w.ui.actionExit, w.ui.actionExtendInformation, w.ui.actionAbout, w.ui.actionActAsAdministrator,
          w.ui.actionChangePassword, w.ui.actionConnectWithService, w.ui.actionLogout,
          w.ui.actionCheckForUpdates, w.ui.actionOnlineHelp}) {
        QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
        QVERIFY(a->icon().isNull());
        QVERIFY(a->shortcut().isEmpty());
    }
    QCOMPARE(w.ui.actionActAsAdministrator->shortcutContext(), Qt::ApplicationShortcut);

    QVERIFY(w.ui.exInfoButton->isEnabled());
    for (QPushButton* b :
         {w.ui.upsConfigurationButton, w.ui.aplicationConfigurationButton, w.ui.networkConfigurationButton,
          w.ui.loggingConfigurationButton, w.ui.upsEventsButton})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));

    QVERIFY(w.ui.modelNameEdit->isReadOnly());
    QVERIFY(w.ui.nameAndLocalizationEdit->isReadOnly());
    QVERIFY(w.ui.deviceMessages->isReadOnly());
    QCOMPARE(w.ui.deviceMessages->toPlainText(), QString());
    QCOMPARE(w.ui.upsBox->title(), QStringLiteral("UPS"));
    QVERIFY(w.ui.logoLabel->openExternalLinks());
    QVERIFY(w.ui.logoLabel->text().contains(QLatin1String(":/images/images/maker_logo_s.png")));
}

void TestMainWindowForm::entriesReachTheirSlots_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("slot");

    const char* rows[][2] = {
        {"aplicationConfigurationButton", "application"},
        {"networkConfigurationButton", "network"},
        {"exInfoButton", "extendInformation"},
        {"loggingConfigurationButton", "logging"},
        {"upsConfigurationButton", "upsConfiguration"},
        {"upsEventsButton", "upsEvents"},
        {"actionExit", "reallyClose"},
        {"actionExtendInformation", "extendInformation"},
        {"actionNetworkConfiguration", "network"},
        {"actionApplicationConfiguration", "application"},
        {"actionAbout", "about"},
        {"actionUpsConfiguration", "upsConfiguration"},
        {"actionActAsAdministrator", "logIn"},
        {"actionChangePassword", "changeAdminPass"},
        {"actionConnectWithService", "connectWithService"},
        {"actionLogout", "logout"},
        {"actionLoggingConfiguration", "logging"},
        {"actionCheckForUpdates", "checkForUpdates"},
        {"actionOnlineHelp", "onlineHelp"},
        {"actionVirtualizationCenter", "virtualizationCenter"},
    };
    for (const auto& r : rows)
        QTest::newRow(r[0]) << QString::fromLatin1(r[0]) << QString::fromLatin1(r[1]);
}

void TestMainWindowForm::entriesReachTheirSlots()
{
    QFETCH(QString, entry);
    QFETCH(QString, slot);

    FormHost w;
    if (auto* button = w.findChild<QPushButton*>(entry)) {
        button->setEnabled(true);
        button->click();
    } else {
        auto* action = w.findChild<QAction*>(entry);
        QVERIFY(action);
        action->setEnabled(true);
        action->trigger();
    }
    // Exactly one slot per entry: a doubled connection would open a dialog twice.
    QCOMPARE(w.calls, QStringList{slot});
}

void TestMainWindowForm::menus()
{
    FormHost w;
    QCOMPARE(w.menuBar(), w.ui.menuBar);
    const auto entries = [](QMenu* menu) {
        QStringList names;
        for (QAction* a : menu->actions())
            names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        return names;
    };
    QStringList titles;
    for (QAction* a : w.ui.menuBar->actions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{"&Plik", "&Informacje", "&Konfiguracja", "Pomo&c"}));
    QCOMPARE(entries(w.ui.menuFile),
             (QStringList{"actionActAsAdministrator", "actionLogout", "actionChangePassword", "-",
                          "actionConnectWithService", "-", "actionExit"}));
    QCOMPARE(entries(w.ui.menuInfo), QStringList{"actionExtendInformation"});
    QCOMPARE(
        entries(w.ui.menuConfiguration),
        (QStringList{"actionUpsConfiguration", "actionApplicationConfiguration", "actionNetworkConfiguration",
                     "actionLoggingConfiguration", "actionVirtualizationCenter"}));
    QCOMPARE(entries(w.ui.menuHelp),
             (QStringList{"actionOnlineHelp", "actionCheckForUpdates", "-", "actionAbout"}));
    QCOMPARE(w.ui.actionNetworkConfiguration->text(), QStringLiteral("Konfiguracja &zdarzeń"));
    QCOMPARE(w.ui.actionVirtualizationCenter->toolTip(), QStringLiteral("Centrum wirtualizacji"));
}

void TestMainWindowForm::valueFields()
{
    FormHost w;
    // The main window's enabling sweep and the device-state display rely on these kinds.
    for (QWidget* field :
         {static_cast<QWidget*>(w.ui.workModeEdit), static_cast<QWidget*>(w.ui.firmwareEdit),
          static_cast<QWidget*>(w.ui.nominalActivePowerEdit),
          static_cast<QWidget*>(w.ui.nominalSpuriousPowerEdit), static_cast<QWidget*>(w.ui.autonomyTimeEdit),
          static_cast<QWidget*>(w.ui.temperatureEdit)})
        QVERIFY2(qobject_cast<LineEditWidget*>(field), qPrintable(field->objectName()));
    for (QWidget* bar :
         {static_cast<QWidget*>(w.ui.loadProgressBar), static_cast<QWidget*>(w.ui.loadProgressBar_2),
          static_cast<QWidget*>(w.ui.loadProgressBar_3),
          static_cast<QWidget*>(w.ui.batteryStateProgressBar)}) {
        QVERIFY2(qobject_cast<ProgressBarWidget*>(bar), qPrintable(bar->objectName()));
        QVERIFY(dynamic_cast<AbstractWidget*>(bar));
    }
    // Value fields inherit the panel's bold grey text through its style sheet.
    QVERIFY(w.ui.upsBox->styleSheet().contains(QLatin1String("color: #59595B;")));
    // No design-time bar text leaks into the running window.
    QCOMPARE(w.ui.loadProgressBar->findChild<QProgressBar*>()->text(), QString());
    QVERIFY(w.ui.temperatureEdit->findChild<QLineEdit*>()->isEnabled());
}

void TestMainWindowForm::layoutFitsTheWindow()
{
    FormHost w;
    // The window pins these widths in its constructor; the form must look right with them.
    w.ui.upsTreeGroupBox->setFixedWidth(186);
    w.ui.upsBox->setFixedWidth(465);
    w.setMinimumWidth(962);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    const QRect box = w.ui.upsBox->rect();
    for (QWidget* child :
         {w.ui.layoutWidget, w.ui.layoutWidget1, w.ui.layoutWidget2, w.ui.layoutWidget3,
          w.ui.verticalLayoutWidget, w.ui.verticalLayoutWidget_2, static_cast<QWidget*>(w.ui.upsModel)})
        QVERIFY2(box.contains(child->geometry()), qPrintable(child->objectName()));

    // Values of the six rows line up in one column.
    const int right = w.ui.workModeEdit->geometry().right();
    for (QWidget* value :
         {static_cast<QWidget*>(w.ui.loadProgressBar), static_cast<QWidget*>(w.ui.batteryStateProgressBar),
          static_cast<QWidget*>(w.ui.autonomyTimeEdit), static_cast<QWidget*>(w.ui.temperatureEdit)})
        QCOMPARE(value->geometry().right(), right);
    QCOMPARE(w.ui.workModeEdit->width(), 215);
    QCOMPARE(w.ui.loadProgressBar->width(), 215);

    // The busy animation covers the values, not the other way round.
    const QList<QObject*> order = w.ui.upsBox->children();
    QVERIFY(order.indexOf(w.ui.busyLabel) > order.indexOf(w.ui.verticalLayoutWidget));
    QVERIFY(order.indexOf(w.ui.verticalLayoutWidget) > order.indexOf(w.ui.upsModel));
}

// The field used to be squeezed to a sliver below its label.
void TestMainWindowForm::nameAndLocationFieldIsFullHeight()
{
    // The desktops' usual sizes.
    for (int points : {9, 10}) {
        const QFont platformFont = QApplication::font();
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), points));
        const auto restoreFont = qScopeGuard([&platformFont] { QApplication::setFont(platformFont); });
        FormHost w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::sendPostedEvents();
        QLineEdit* field = w.ui.nameAndLocalizationEdit;
        QCOMPARE(field->height(), w.ui.modelNameEdit->height());
        QVERIFY2(field->height() >= field->sizeHint().height(), qPrintable(QString::number(field->height())));
        QVERIFY(w.ui.nameAndLocationLabel->height() >= w.ui.nameAndLocationLabel->sizeHint().height());
    }
}

LX_TEST_MAIN(TestMainWindowForm)
#include "tst_mainwindowform.moc"
