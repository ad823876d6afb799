#include "devicemessagesview.h"

DeviceMessagesView::DeviceMessagesView(QWidget* parent) : QPlainTextEdit(parent)
{
    viewport()->setAutoFillBackground(false);
    viewport()->setStyleSheet(QStringLiteral("color: rgb(220,20,20)"));
}

void DeviceMessagesView::showMessages(const DeviceStateTexts& texts)
{
    setVisible(true);
    if (!texts.hasMessages) {
        shownCodes.clear();
        // The pane is left alone while it already says so.
        if (showsNone)
            return;
        clear();
        appendHtml(DeviceStateTexts::noMessagesHtml());
        showsNone = true;
        return;
    }
    if (texts.messageCodes == shownCodes)
        return;

    const DeviceStateTexts::Messages messages = DeviceStateTexts::messageTexts(texts.messageCodes);
    setPlainText(messages.plain);
    appendHtml(messages.alarmHtml);
    appendHtml(messages.noticeHtml);
    shownCodes = texts.messageCodes;
    showsNone = false;
}
