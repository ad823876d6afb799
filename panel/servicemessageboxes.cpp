#include "servicemessageboxes.h"

#include "common/showntext.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QStringList>
#include <QVariant>
#include <algorithm>

namespace {
const char* const kStep = "lxMessageStep";
const char* const kTexts = "lxMessageTexts";
const char* const kNotShown = "lxMessagesNotShown";

// A box grows with its text and lays it out again at each change: it shows a
// bounded part, ending in "…" where it was cut. The service's log keeps it whole.
QString shownPart(const QString& text)
{
    bool cut = false;
    const QString part = ShownText::bounded(text, ShownText::box, &cut);
    return cut ? part + QChar(0x2026) : part;
}

// The texts belong to the window that shows the boxes: its context is fixed.
QString windowTr(const char* text)
{
    return QCoreApplication::translate("LuminorixWindow", text);
}
} // namespace

ServiceMessageBoxes::ServiceMessageBoxes(QWidget* parent) : parent(parent) {}

void ServiceMessageBoxes::show(const QVector<QString>& texts)
{
    // A closed box is hidden at once but deleted only later.
    boxes.erase(std::remove_if(boxes.begin(), boxes.end(),
                               [](const QPointer<QMessageBox>& box) { return !box || box->isHidden(); }),
                boxes.end());
    for (int i = 0; i < texts.size(); ++i) {
        if (boxes.size() >= maxBoxes) {
            join(boxes.last(), texts.mid(i));
            return;
        }
        // Each box opens one step down and right of the centre, in the first step no open
        // box holds, so boxes never hide each other and a user sees how many wait.
        int step = 0;
        const auto holds = [&step](const QPointer<QMessageBox>& open) {
            return open->property(kStep).toInt() == step;
        };
        while (std::any_of(boxes.cbegin(), boxes.cend(), holds))
            ++step;
        auto* box = new QMessageBox(parent);
        box->setWindowTitle(windowTr(QT_TRANSLATE_NOOP("LuminorixWindow", "Komunikat")));
        box->setText(shownPart(texts.at(i)));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(true);
        box->setProperty(kStep, step);
        box->setProperty(kTexts, 1);
        box->show();
        box->move(box->pos() + QPoint(step, step) * offset);
        boxes.append(box);
    }
}

void ServiceMessageBoxes::join(QMessageBox* box, const QVector<QString>& texts)
{
    // Each change lays the whole box out again, so it is changed once per reply.
    const int shown = box->property(kTexts).toInt();
    const int joined = qMin(int(texts.size()), qMax(0, maxTextsPerBox - shown));
    if (joined > 0) {
        QStringList parts{box->text()};
        for (int i = 0; i < joined; ++i)
            parts.append(shownPart(texts.at(i)));
        box->setText(shownPart(parts.join(QLatin1String("\n\n"))));
        box->setProperty(kTexts, shown + joined);
    }
    if (joined == texts.size())
        return;
    const int uncounted = box->property(kNotShown).toInt() + int(texts.size()) - joined;
    box->setProperty(kNotShown, uncounted);
    box->setInformativeText(
        windowTr(QT_TRANSLATE_NOOP("LuminorixWindow", "Dalsze komunikaty usługi, których nie pokazano: %1"))
            .arg(uncounted));
}
