#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>

class AnswerWait;
class HierarchicalHeaderView;
class LogPage;
class LogTableModel;
class QStandardItemModel;
namespace Luminorix {
class UpsSocketController;
}
namespace Ui {
class UpsLogsWindow;
}

// One UPS log, a page at a time as the service hands the pages out: the
// parameters log under a two-level header, the messages or the power
// compensation log. The opener sets the type and the controller and asks for
// the first page; the service keeps the position between the requests for
// newer and older pages, and is told to drop it once the viewer closes. Which
// page lies where is the service's to say, so both directions stay open; only
// while a page is asked for do they wait for it.
class UpsLogsWindow : public QDialog
{
    Q_OBJECT

public:
    // The longest a page may stay unanswered before paging is offered again.
    static constexpr int pageAnswerMs = 10000;

    explicit UpsLogsWindow(QWidget* parent = nullptr);
    ~UpsLogsWindow() override;

    // Stores the controller (not owned) and takes its pages from then on.
    void setSocketController(Luminorix::UpsSocketController* controller);
    // The heading of a parameters-log key: label and unit.
    static QString parameterLabel(QString key);

public slots:
    // Replaces the table by one page, read as the log type says.
    void setLogs(QStringList lines);
    void setLogType(QString type);
    void nextLogButtonClickHandler();
    void prevLogButtonClickHandler();
    // Tells the service to drop its reading position, then closes.
    void reject() override;

private:
    void clearModels();
    // Columns and rows as wide and tall as the texts of every row need, and
    // each group of `groups` (if any) as wide as its heading.
    void fitToContents(const LogPage& page, HierarchicalHeaderView* groups);
    void fitColumnWidths(const LogPage& page);
    void fitRowHeights(const LogPage& page);
    void requestPage(const QString& age);
    void setPagingEnabled(bool enabled);
    void clearLogsCache();

    Ui::UpsLogsWindow* ui;
    QStandardItemModel* itemModel = nullptr;
    LogTableModel* tableModel = nullptr;
    QPointer<Luminorix::UpsSocketController> controller;
    QString logType;
    bool cacheCleared = false;
    // A page asked for and not come yet; a lost answer must not end paging.
    AnswerWait* pageWait;
};
