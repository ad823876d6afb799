#include "eventhistory.h"

namespace {
// Codes 2 to 81; a null entry is a code with no event of its own.
const char* const eventTexts[] = {
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Tryb pracy - Inicjalizacja"), // 2
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Tryb pracy - Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Tryb pracy - Czuwanie"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Tryb pracy - ECO"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Tryb pracy - Sieciowa"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Tryb pracy - Rezerwowa"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Tryb pracy - Hybrydowa"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Tryb pracy - Awaryjna"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Tryb pracy - Bypass"), // 10
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Tryb pracy - Oczekiwanie"),
    nullptr, // 12
    nullptr,
    nullptr,
    nullptr,
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Zwarcie"), // 16
    nullptr,
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Przeciążenie"), // 18
    nullptr,
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Nadmierny wzrost temperatury prostownika"), // 20
    nullptr,
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Nadmierny wzrost temperatury falownika"), // 22
    nullptr,
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Błąd akumulatora"), // 24
    nullptr,
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Aktywne EPO"), // 26
    nullptr,
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Wewnętrzny błąd prostownika"), // 28
    nullptr,
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Błąd wewnętrzny falownika"), // 30
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Błąd pracy równoległej"),
    nullptr, // 32
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr, // 40
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Ładowanie baterii: Start"), // 48
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Ładowanie baterii: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Przeciążenie: Start"), // 50
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Przeciążenie: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Nadmierny wzrost temperatury prostownika: Start"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Nadmierny wzrost temperatury prostownika: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Nadmierny wzrost temperatury falownika: Start"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Nadmierny wzrost temperatury falownika: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Oczekiwanie na ładunek minimalny: Start"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Oczekiwanie na ładunek minimalny: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Stan niskiej baterii: Start"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Stan niskiej baterii: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Serwis: Start"), // 60
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Serwis: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Bypass: Start"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Bypass: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Brak komunikacji z modułem prostownika: Start"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Brak komunikacji z modułem prostownika: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Brak komunikacji z modułem falownika: Start"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Brak komunikacji z modułem falownika: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Niepoprawna kolejność faz linii BYPASS: Start"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Niepoprawna kolejność faz linii BYPASS: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Zasilanie linii BYPASS poza zakresem: Start"), // 70
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Zasilanie linii BYPASS poza zakresem: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Otwarty obwód baterii: Start"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Otwarty obwód baterii: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Zasilanie linii podstawowej poza zakresem: Start"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Zasilanie linii podstawowej poza zakresem: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Niepoprawna kolejność faz linii podstawowej: Start"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Niepoprawna kolejność faz linii podstawowej: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Dynamiczna kompensacja mocy biernej aktywna: Start"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Dynamiczna kompensacja mocy biernej aktywna: Stop"),
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Tryb PV Backup: Start"), // 80
    QT_TRANSLATE_NOOP("UpsEventsWindow", "Tryb PV Backup: Stop"),
};
const int firstTextCode = 2;
const int lastTextCode = firstTextCode + int(sizeof(eventTexts) / sizeof(eventTexts[0])) - 1;

QString padded(const QString& part)
{
    return part.size() == 1 ? QLatin1Char('0') + part : part;
}
} // namespace

EventHistory::EventHistory(const QString& events) : events(events)
{
    // Empty parts do not count at either level: a record is the text between
    // two "|", and it is kept when it has exactly six non-empty fields.
    const QChar* text = events.constData();
    const int length = events.size();
    int start = 0;
    int fields = 0;
    bool inField = false;
    for (int at = 0; at <= length; ++at) {
        const QChar c = at < length ? text[at] : QLatin1Char('|');
        if (c == QLatin1Char('|')) {
            if (fields + (inField ? 1 : 0) == 6)
                records.append({start, at - start});
            start = at + 1;
            fields = 0;
            inField = false;
        } else if (c == QLatin1Char(';')) {
            if (inField)
                ++fields;
            inField = false;
        } else {
            inField = true;
        }
    }
    records.squeeze();
}

QString EventHistory::row(int index) const
{
    const Record& record = records.at(index);
    const QVector<QStringRef> f =
        events.midRef(record.start, record.length).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    return padded(f[1].toString()) + QLatin1Char('-') + padded(f[2].toString()) + QLatin1Char(' ') +
           padded(f[3].toString()) + QLatin1Char(':') + padded(f[4].toString()) + QLatin1Char(':') +
           padded(f[5].toString()) + QLatin1String(" - ") + eventText(f[0].toString());
}

QStringList EventHistory::rows(const QString& events)
{
    const EventHistory history(events);
    QStringList rows;
    rows.reserve(history.size());
    for (int i = 0; i < history.size(); ++i)
        rows.append(history.row(i));
    return rows;
}

QString EventHistory::eventText(const QString& code)
{
    const int number = code.toInt(); // not a number: 0
    // Code 1 is a plain dash line of the service's own, never translated.
    if (number == 1)
        return QStringLiteral("----");
    if (number >= firstTextCode && number <= lastTextCode && eventTexts[number - firstTextCode])
        return tr(eventTexts[number - firstTextCode]);
    return tr("----");
}
