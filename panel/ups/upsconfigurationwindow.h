#pragma once

#include "common/ups.h"
#include "panel/base/sessionstamp.h"
#include "upsparameterdescriptor.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

class DialogRelay;
class QAbstractButton;
class QButtonGroup;
class QGridLayout;
class QHBoxLayout;
class QScrollArea;
namespace Luminorix {
class UpsSocketController;
}
namespace Ui {
class UPSConfigurationWindow;
}

// Edits the settable parameters of one device, one parameter at a time, and
// hands every value back in the service's own format. It never talks to the
// service: the opener sends what currentConfiguration() returns.
class UPSConfigurationWindow : public QDialog
{
    Q_OBJECT

public:
    using ParameterDescriptor = UpsParameterDescriptor;
    using EditorKind = UpsParameterDescriptor::EditorKind;

    explicit UPSConfigurationWindow(const Luminorix::Utils::Ups& ups, QWidget* parent = nullptr);
    ~UPSConfigurationWindow() override;

    // Builds one row per catalogued key of the first map; later maps are ignored,
    // so an edit in progress is never overwritten.
    void setConfiguration(const QMap<QString, QString>& parameters);
    // Every row's value, unchanged ones as received.
    QMap<QString, QString> currentConfiguration() const;
    // The row whose editor the user moved from its first state, with its value;
    // two empty texts when none.
    QPair<QString, QString> changedParameter() const;
    void setSaveEnabled(bool enable);
    // The session whose administrator opened the dialog; Save holds only within it.
    void setSession(const SessionStamp& stamp);
    SessionStamp session() const;

public slots:
    void accept() override;
    void changed(QString text);
    void changed(int value);

private:
    struct Row
    {
        QString key;
        int kind = UpsParameterDescriptor::LineEditKind;
        QHBoxLayout* layout = nullptr;
        QWidget* editor = nullptr;     // line edit, check box or combo box
        QButtonGroup* group = nullptr; // radio rows
        QString originalValue;
        QString filledState; // editorState() right after filling
        // The entry of a received setting that is none of the choices.
        int receivedIndex = -2;
        QAbstractButton* receivedButton = nullptr;
    };

    void addRow(const ParameterDescriptor& descriptor, const QString& value, int gridRow, int gridColumn);
    void fitColumns();
    QString editorState(const Row& row) const;
    QString editorValue(const Row& row) const;
    void updateChangeState(QObject* sender);
    void updateNetworkFields(bool enable);
    bool saveAllowed() const;
    // One line per parameter, its label as the rows show it.
    QString parameterLabels(const QStringList& keys) const;

    Ui::UPSConfigurationWindow* ui;
    QList<ParameterDescriptor> parameterDescriptors;
    Luminorix::Utils::Ups ups;
    QList<Row> rows;
    bool built = false;
    bool dhcpEnabled = false;
    QScrollArea* scrollArea = nullptr;
    QWidget* scrollContents = nullptr;
    QGridLayout* parametersGrid = nullptr;
    SessionStamp sessionStamp;
};

// Feeds the dialog the configuration maps the window forwards, and turns Save
// off when the administrator logs out. The dialog itself sends nothing.
void connectToService(UPSConfigurationWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
