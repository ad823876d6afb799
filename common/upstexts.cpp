#include "upstexts.h"

#include <QHash>
#include <QObject>

namespace {

struct StateRow
{
    const char* keyword;
    const char* label;
};

const StateRow stateRows[] = {
    {"unknown", QT_TRANSLATE_NOOP("QObject", "Nieznany")},
    {"on_battery", QT_TRANSLATE_NOOP("QObject", "Rezerwowy")},
    {"on_power_line", QT_TRANSLATE_NOOP("QObject", "Sieciowy")},
    {"low_battery", QT_TRANSLATE_NOOP("QObject", "Niski stan baterii")},
    {"avr_on", QT_TRANSLATE_NOOP("QObject", "AVR")},
    {"overload", QT_TRANSLATE_NOOP("QObject", "Przeciążenie")},
    {"shortcut", QT_TRANSLATE_NOOP("QObject", "Zwarcie")},
    {"waiting_work", QT_TRANSLATE_NOOP("QObject", "Oczekiwanie")},
    {"watch", QT_TRANSLATE_NOOP("QObject", "Czuwanie")},
    {"eco", QT_TRANSLATE_NOOP("QObject", "ECO")},
    {"bypass", QT_TRANSLATE_NOOP("QObject", "Bypass")},
    {"emergency", QT_TRANSLATE_NOOP("QObject", "Awaryjny")},
    {"initialization", QT_TRANSLATE_NOOP("QObject", "Inicjalizacja")},
    {"stop", QT_TRANSLATE_NOOP("QObject", "Stop")},
    {"hybrid", QT_TRANSLATE_NOOP("QObject", "Hybrydowy")},
    {"no_communication", QT_TRANSLATE_NOOP("QObject", "Brak komunikacji")},
    {"battery_test", QT_TRANSLATE_NOOP("QObject", "Testowanie baterii")},
    {"converter", QT_TRANSLATE_NOOP("QObject", "Konwersja częstotliwości")},
    {"shutdown", QT_TRANSLATE_NOOP("QObject", "Wyłączenie UPS")},
    {"fault", QT_TRANSLATE_NOOP("QObject", "Tryb błędu")},
    {"genset_on", QT_TRANSLATE_NOOP("QObject", "Włączony")},
    {"genset_off", QT_TRANSLATE_NOOP("QObject", "Wyłączony")},
    {"self_test", QT_TRANSLATE_NOOP("QObject", "Autotest")},
    {"ups_off", QT_TRANSLATE_NOOP("QObject", "UPS wyłączony")},
    {"eco_bypass", QT_TRANSLATE_NOOP("QObject", "ECO/Bypass")},
};

// Event codes 0 to 102.
const char* const lowEventMessages[] = {
    QT_TRANSLATE_NOOP("QObject", "Załączony AVR podwyższający"),                         // 0
    QT_TRANSLATE_NOOP("QObject", "Zwarcie na wyjściu zasilacza"),                        // 1
    QT_TRANSLATE_NOOP("QObject", "Przeciążenie zasilacza"),                              // 2
    QT_TRANSLATE_NOOP("QObject", "Nadmierny wzrost temperatury"),                        // 3
    QT_TRANSLATE_NOOP("QObject", "Zużycie akumulatora"),                                 // 4
    QT_TRANSLATE_NOOP("QObject", "Stan niskiej baterii"),                                // 5
    QT_TRANSLATE_NOOP("QObject", "Wsteczne zasilanie gniazd wyjściowych"),               // 6
    QT_TRANSLATE_NOOP("QObject", "Status ładowania akumulatorów"),                       // 7
    QT_TRANSLATE_NOOP("QObject", "Status naładowania akumulatorów"),                     // 8
    QT_TRANSLATE_NOOP("QObject", "Ładowanie"),                                           // 9
    QT_TRANSLATE_NOOP("QObject", "Oczekiwanie na ładunek minimalny"),                    // 10
    QT_TRANSLATE_NOOP("QObject", "Serwis"),                                              // 11
    QT_TRANSLATE_NOOP("QObject", "Bypass"),                                              // 12
    QT_TRANSLATE_NOOP("QObject", "Przeciążenie wyjścia"),                                // 13
    QT_TRANSLATE_NOOP("QObject", "Błąd akumulatora"),                                    // 14
    QT_TRANSLATE_NOOP("QObject", "Aktywne EPO"),                                         // 15
    QT_TRANSLATE_NOOP("QObject", "Błąd wewnętrzny"),                                     // 16
    QT_TRANSLATE_NOOP("QObject", "Nadmierny wzrost temperatury prostownika"),            // 17
    QT_TRANSLATE_NOOP("QObject", "Nadmierny wzrost temperatury falownika"),              // 18
    QT_TRANSLATE_NOOP("QObject", "Brak komunikacji z prostownikiem"),                    // 19
    QT_TRANSLATE_NOOP("QObject", "Brak komunikacji z falownikiem"),                      // 20
    QT_TRANSLATE_NOOP("QObject", "Niepoprawna kolejność faz linii BYPASS"),              // 21
    QT_TRANSLATE_NOOP("QObject", "Zasilanie linii BYPASS poza zakresem"),                // 22
    QT_TRANSLATE_NOOP("QObject", "Otwarty obwód baterii"),                               // 23
    QT_TRANSLATE_NOOP("QObject", "Zasilanie linii podstawowej poza zakresem"),           // 24
    QT_TRANSLATE_NOOP("QObject", "Błąd wewnętrzny prostownika"),                         // 25
    QT_TRANSLATE_NOOP("QObject", "Błąd wewnętrzny falownika"),                           // 26
    QT_TRANSLATE_NOOP("QObject", "Praca normalna"),                                      // 27
    QT_TRANSLATE_NOOP("QObject", "Praca równoległa - MASTER"),                           // 28
    QT_TRANSLATE_NOOP("QObject", "Praca równoległa - SLAVE"),                            // 29
    QT_TRANSLATE_NOOP("QObject", "Awaria wyświetlacza LCD"),                             // 30
    QT_TRANSLATE_NOOP("QObject", "Praca równoległa - jednostka zatrzymana"),             // 31
    QT_TRANSLATE_NOOP("QObject", "Praca równoległa - brak redundancji"),                 // 32
    QT_TRANSLATE_NOOP("QObject", "Praca równoległa - jednostka nieaktywna"),             // 33
    QT_TRANSLATE_NOOP("QObject", "Błąd pracy równoległej"),                              // 34
    QT_TRANSLATE_NOOP("QObject", "Praca równoległa - brak minimalnej ilości jednostek"), // 35
    QT_TRANSLATE_NOOP("QObject",
                      "Wirtualny UPS - brak wymaganej liczby skonfigurowanych UPS w Luminorix"),     // 36
    QT_TRANSLATE_NOOP("QObject", "Wirtualny UPS - nie skonfigurowano jednostki MASTER w Luminorix"), // 37
    QT_TRANSLATE_NOOP("QObject", "Awaria zasilania na wejściu"),                                     // 38
    QT_TRANSLATE_NOOP("QObject", "Awaria UPS"),                                                      // 39
    QT_TRANSLATE_NOOP("QObject", "Wykonywanie testu akumulatorów"),                                  // 40
    QT_TRANSLATE_NOOP("QObject", "Trwa wyłączanie UPS"),                                             // 41
    QT_TRANSLATE_NOOP("QObject", "Zamienione przewody L i N na wejściu UPS"),                        // 42
    QT_TRANSLATE_NOOP("QObject", "Błąd EPROM"),                                                      // 43
    QT_TRANSLATE_NOOP("QObject", "Test OK"),                                                         // 44
    QT_TRANSLATE_NOOP("QObject", "Test - wynik negatywny"),                                          // 45
    QT_TRANSLATE_NOOP("QObject", "Test baterii nie jest możliwy"),                                   // 46
    QT_TRANSLATE_NOOP("QObject", "Test - wynik nieznany"),                                           // 47
    QT_TRANSLATE_NOOP("QObject", "Tryb pracy normalnej"),                                            // 48
    QT_TRANSLATE_NOOP("QObject", "Przeciążenie UPS 110%"),                                           // 49
    QT_TRANSLATE_NOOP("QObject", "Przekroczony limit temperatury"),                                  // 50
    QT_TRANSLATE_NOOP("QObject", "Przekroczony limit obciążenia"),                                   // 51
    QT_TRANSLATE_NOOP("QObject", "Błąd wentylatora"),                                                // 52
    QT_TRANSLATE_NOOP("QObject", "Błąd magistrali DC"),                                              // 53
    QT_TRANSLATE_NOOP("QObject", "Błąd falownika"),                                                  // 54
    QT_TRANSLATE_NOOP("QObject", "Błąd oprogramowania falownika"),                                   // 55
    QT_TRANSLATE_NOOP("QObject", "Ładowarka - za wysokie napięcie"),                                 // 56
    QT_TRANSLATE_NOOP("QObject", "Błąd ładowarki"),                                                  // 57
    QT_TRANSLATE_NOOP("QObject", "Stan baterii nieznany"),                                           // 58
    QT_TRANSLATE_NOOP("QObject", "Stan baterii normalny"),                                           // 59
    QT_TRANSLATE_NOOP("QObject", "Bateria rozładowana"),                                             // 60
    QT_TRANSLATE_NOOP("QObject", "Rozładowywanie baterii"),                                          // 61
    QT_TRANSLATE_NOOP("QObject", "Błąd baterii"),                                                    // 62
    QT_TRANSLATE_NOOP("QObject", "Test baterii anulowany"),                                          // 63
    QT_TRANSLATE_NOOP("QObject", "Załączony AVR"),                                                   // 64
    QT_TRANSLATE_NOOP("QObject", "Przeciążenie Bypass"),                                             // 65
    QT_TRANSLATE_NOOP("QObject", "Konieczna wymiana akumulatorów"),                                  // 66
    QT_TRANSLATE_NOOP("QObject", "Załączony AVR obniżający"),                                        // 67
    QT_TRANSLATE_NOOP("QObject", "AVR podwyższający zablokowany"),                                   // 68
    QT_TRANSLATE_NOOP("QObject", "AVR obniżający zablokowany"),                                      // 69
    QT_TRANSLATE_NOOP("QObject", "Wentylator załączony"),                                            // 70
    QT_TRANSLATE_NOOP("QObject", "EPO czasowo zablokowane"),                                         // 71
    QT_TRANSLATE_NOOP("QObject", "UPS gotowy do pracy"),                                             // 72
    QT_TRANSLATE_NOOP("QObject", "Nadmierny wzrost temperatury baterii"),                            // 73
    QT_TRANSLATE_NOOP("QObject", "Brak komunikacji wewnętrznej"),                                    // 74
    QT_TRANSLATE_NOOP("QObject", "Błąd baterii"),                                                    // 75
    QT_TRANSLATE_NOOP("QObject", "Praca rezerwowa"),                                                 // 76
    QT_TRANSLATE_NOOP("QObject", "Stan niskiej baterii"),                                            // 77
    QT_TRANSLATE_NOOP("QObject", "Bateria rozładowana"),                                             // 78
    QT_TRANSLATE_NOOP("QObject", "Nadmierny wzrost temperatury"),                                    // 79
    QT_TRANSLATE_NOOP("QObject", "Awaria zasilania na wejściu"),                                     // 80
    QT_TRANSLATE_NOOP("QObject", "Awaria zasilania na wyjściu"),                                     // 81
    QT_TRANSLATE_NOOP("QObject", "Przeciążenie wyjścia"),                                            // 82
    QT_TRANSLATE_NOOP("QObject", "Bypass"),                                                          // 83
    QT_TRANSLATE_NOOP("QObject", "Awaria bypass"),                                                   // 84
    QT_TRANSLATE_NOOP("QObject", "Wyjście wyłączone na żądanie"),                                    // 85
    QT_TRANSLATE_NOOP("QObject", "UPS wyłączony na żądanie"),                                        // 86
    QT_TRANSLATE_NOOP("QObject", "Błąd ładowarki"),                                                  // 87
    QT_TRANSLATE_NOOP("QObject", "Wyjście wyłączone"),                                               // 88
    QT_TRANSLATE_NOOP("QObject", "UPS wyłączony"),                                                   // 89
    QT_TRANSLATE_NOOP("QObject", "Błąd wentylatora"),                                                // 90
    QT_TRANSLATE_NOOP("QObject", "Błąd bezpiecznika"),                                               // 91
    QT_TRANSLATE_NOOP("QObject", "Awaria UPS"),                                                      // 92
    QT_TRANSLATE_NOOP("QObject", "Test diagnostyczny - wynik negatywny"),                            // 93
    QT_TRANSLATE_NOOP("QObject", "Brak komunikacji wewnętrznej"),                                    // 94
    QT_TRANSLATE_NOOP("QObject", "Oczekiwanie na powrót zasilania"),                                 // 95
    QT_TRANSLATE_NOOP("QObject", "Trwa wyłączanie UPS"),                                             // 96
    QT_TRANSLATE_NOOP("QObject", "Procedura wyłączenia UPS rozpoczęta"),                             // 97
    QT_TRANSLATE_NOOP("QObject", "Wykonywanie testu"),                                               // 98
    QT_TRANSLATE_NOOP("QObject", "Dynamiczna kompensacja mocy biernej"),                             // 99
    QT_TRANSLATE_NOOP("QObject", "Krytyczne napięcie akumulatora"),                                  // 100
    QT_TRANSLATE_NOOP("QObject", "Przegrzanie baterii"),                                             // 101
    QT_TRANSLATE_NOOP("QObject", "Przegrzanie falownika"),                                           // 102
};

// Event codes 187 to 209.
const char* const highEventMessages[] = {
    QT_TRANSLATE_NOOP("QObject", "Brak oleju"),                                      // 187
    QT_TRANSLATE_NOOP("QObject", "Prestart"),                                        // 188
    QT_TRANSLATE_NOOP("QObject", "Parametry sieci poza zakresem"),                   // 189
    QT_TRANSLATE_NOOP("QObject", "Test - zakończony ostrzeżeniem"),                  // 190
    QT_TRANSLATE_NOOP("QObject", "Opóźnione załączenie wyjścia"),                    // 191
    QT_TRANSLATE_NOOP("QObject", "Odliczanie opóźnienia trybu oczekiwania"),         // 192
    QT_TRANSLATE_NOOP("QObject", "Parametry linii zasilającej poza zakresem"),       // 193
    QT_TRANSLATE_NOOP("QObject", "Parametry linii obejściowej poza zakresem"),       // 194
    QT_TRANSLATE_NOOP("QObject", "Wyjścia UPS nieaktywne"),                          // 195
    QT_TRANSLATE_NOOP("QObject", "Wyjście sterowalne (sekcja 1) wyłączone"),         // 196
    QT_TRANSLATE_NOOP("QObject", "Wyjście sterowalne (sekcja 2) wyłączone"),         // 197
    QT_TRANSLATE_NOOP("QObject", "Niepoprawna kolejność faz linii podstawowej"),     // 198
    QT_TRANSLATE_NOOP("QObject", "Nierozpoznany model UPS"),                         // 199
    QT_TRANSLATE_NOOP("QObject", "Zdjęta osłona przełącznika obejścia serwisowego"), // 200
    QT_TRANSLATE_NOOP("QObject", "Zasilanie wyjść z UPS (z podtrzymaniem)"),         // 201
    QT_TRANSLATE_NOOP("QObject", "Zasilanie wyjść z sieci (bez podtrzymania)"),      // 202
    QT_TRANSLATE_NOOP("QObject", "Napięcie linii zasilającej nieprawidłowe"),        // 203
    QT_TRANSLATE_NOOP("QObject", "Częstotliwość linii zasilającej nieprawidłowa"),   // 204
    QT_TRANSLATE_NOOP("QObject", "Napięcie linii Bypass nieprawidłowe"),             // 205
    QT_TRANSLATE_NOOP("QObject", "Częstotliwość linii Bypass nieprawidłowa"),        // 206
    QT_TRANSLATE_NOOP("QObject", "Ładowarka - za niskie napięcie"),                  // 207
    QT_TRANSLATE_NOOP("QObject", "Ładowarka - za wysokie napięcie"),                 // 208
    QT_TRANSLATE_NOOP("QObject", "Tryb PV Backup"),                                  // 209
};

// The generator-set messages, used by codes 103, 131 and 159 onwards.
const char* const gensetMessages[] = {
    QT_TRANSLATE_NOOP("QObject", "Niski poziom paliwa - Wrn"),                    // 0
    QT_TRANSLATE_NOOP("QObject", "Niski poziom paliwa - Sd"),                     // 1
    QT_TRANSLATE_NOOP("QObject", "Napięcie akumulatora poza zakresem - Wrn"),     // 2
    QT_TRANSLATE_NOOP("QObject", "Błąd alternatora - Wrn"),                       // 3
    QT_TRANSLATE_NOOP("QObject", "Nadmierna prędkość obrotowa - Sd"),             // 4
    QT_TRANSLATE_NOOP("QObject", "Za mała prędkość obrotowa - Sd"),               // 5
    QT_TRANSLATE_NOOP("QObject", "Błąd uziemienia - Sd"),                         // 6
    QT_TRANSLATE_NOOP("QObject", "Alarm ECU - Wrn"),                              // 7
    QT_TRANSLATE_NOOP("QObject", "Brak komunikacji z ECU - Wrn"),                 // 8
    QT_TRANSLATE_NOOP("QObject", "Niepoprawna kolejność faz agregatu - Wrn"),     // 9
    QT_TRANSLATE_NOOP("QObject", "Niepoprawna kolejność faz sieci - Wrn"),        // 10
    QT_TRANSLATE_NOOP("QObject", "Przeciążenie - BOC"),                           // 11
    QT_TRANSLATE_NOOP("QObject", "Zwarcie - BOC"),                                // 12
    QT_TRANSLATE_NOOP("QObject", "Niesymetryczne obciążenie faz agregatu - BOC"), // 13
    QT_TRANSLATE_NOOP("QObject", "Przekroczony limit obciążenia dla IDMT - BOC"), // 14
    QT_TRANSLATE_NOOP("QObject", "Awaria stycznika w obwodzie agregatu - Sd"),    // 15
    QT_TRANSLATE_NOOP("QObject", "Awaria stycznika w obwodzie sieci - MF"),       // 16
    QT_TRANSLATE_NOOP("QObject", "Konieczna wymiana DPF - Wrn"),                  // 17
    QT_TRANSLATE_NOOP("QObject", "Napięcie agregatu poza zakresem - SD"),         // 18
    QT_TRANSLATE_NOOP("QObject", "Napięcie agregatu poza zakresem - BOC"),        // 19
    QT_TRANSLATE_NOOP("QObject", "Niesymetryczne napięcie agregatu - BOC"),       // 20
    QT_TRANSLATE_NOOP("QObject", "Częstotliwość agregatu poza zakresem - BOC"),   // 21
    QT_TRANSLATE_NOOP("QObject", "Napięcie sieci poza zakresem - MF"),            // 22
    QT_TRANSLATE_NOOP("QObject", "Niesymetryczne napięcie sieci- MF"),            // 23
    QT_TRANSLATE_NOOP("QObject", "Częstotliwość sieci poza zakresem - MF"),       // 24
    QT_TRANSLATE_NOOP("QObject", "Awaryjne zatrzymanie - SD"),                    // 25
    QT_TRANSLATE_NOOP("QObject", "Rozładowany akumulator - SD"),                  // 26
    QT_TRANSLATE_NOOP("QObject", "Serwis - Wrn"),                                 // 27
};

const int firstGensetCode = 103;
const int gensetMessageCount = int(sizeof(gensetMessages) / sizeof(gensetMessages[0]));
const int firstHighCode = 187;

struct EventText
{
    const char* prefix; // not translated
    const char* message;
};

// Built once; the texts are translated at each call so a change of language shows at once.
const QHash<QString, const char*>& stateLabels()
{
    static const QHash<QString, const char*> labels = [] {
        QHash<QString, const char*> hash;
        for (const StateRow& row : stateRows)
            hash.insert(QLatin1String(row.keyword), row.label);
        return hash;
    }();
    return labels;
}

const QHash<QString, EventText>& eventTexts()
{
    static const QHash<QString, EventText> texts = [] {
        QHash<QString, EventText> hash;
        int code = 0;
        for (const char* message : lowEventMessages)
            hash.insert(QString::number(code++), EventText{"", message});
        const char* const prefixes[] = {"! ", "!* ", "* "};
        for (const char* prefix : prefixes) {
            for (const char* message : gensetMessages)
                hash.insert(QString::number(code++), EventText{prefix, message});
        }
        // The devices report these two without a block mark.
        hash[QString::number(firstGensetCode + gensetMessageCount + 1)].prefix = "";
        hash[QString::number(firstGensetCode + 2 * gensetMessageCount + 1)].prefix = "";
        Q_ASSERT(code == firstHighCode);
        for (const char* message : highEventMessages)
            hash.insert(QString::number(code++), EventText{"", message});
        hash.insert(QStringLiteral("no_communication"),
                    EventText{"", QT_TRANSLATE_NOOP("QObject", "Brak komunikacji")});
        return hash;
    }();
    return texts;
}

} // namespace

QString upsStateText(const QString& keyword)
{
    const char* label = stateLabels().value(keyword, nullptr);
    if (!label)
        return keyword;
    return QObject::tr(label);
}

QString upsEventText(const QString& code)
{
    const auto& texts = eventTexts();
    const auto it = texts.constFind(code);
    if (it == texts.constEnd())
        return QObject::tr("Tryb pracy - ") + upsStateText(code);
    return QLatin1String(it->prefix) + QObject::tr(it->message);
}
