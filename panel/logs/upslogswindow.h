#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>

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
// newer and older pages, and is told to drop it once the viewer closes.
class UpsLogsWindow : public QDialog
{
    Q_OBJECT

public:
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
    void followPaging(const QStringList& lines);
    void clearLogsCache();

    Ui::UpsLogsWindow* ui;
    QStandardItemModel* itemModel = nullptr;
    LogTableModel* tableModel = nullptr;
    QPointer<Luminorix::UpsSocketController> controller;
    QString logType;
    bool cacheCleared = false;

    // Where the shown page lies, as far as the replies tell: the service keeps
    // the position and, at either end, answers with the same page again.
    QStringList awaitedAges; // of the page requests not answered yet, in order
    QStringList shownLines;
    int pagesNewer = 0; // pages between the shown one and the newest
    int oldestAt = -1;  // pagesNewer of the oldest page, once met
};
