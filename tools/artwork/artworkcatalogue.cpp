#include "artworkcatalogue.h"

#include "artpalette.h"
#include "brandpainter.h"
#include "devicepainter.h"
#include "headerpainter.h"
#include "spinnerpainter.h"
#include "symbolpainter.h"

#include <QBuffer>
#include <QMap>
#include <QXmlStreamWriter>

namespace {
using Glyph = SymbolPainter::Glyph;
using Item = ArtworkCatalogue::Item;

Item image(const QString& prefix, const QString& path, std::function<QImage()> draw)
{
    return Item{prefix, path, [draw] { return ArtworkCatalogue::png(draw()); }};
}

Item animation(const QString& prefix, const QString& path, std::function<QByteArray()> encode)
{
    return Item{prefix, path, encode};
}

void addImages(QList<Item>& out)
{
    const QString prefix = QStringLiteral("/images");
    const auto add = [&](const char* name, std::function<QImage()> draw) {
        out << image(prefix, QStringLiteral("images/") + QLatin1String(name), draw);
    };
    add("appicon_32.png", [] { return BrandPainter::appIcon(32); });
    add("splashscreen.png", [] { return BrandPainter::splash(480, 300); });
    add("luminorix_professional.png", [] { return BrandPainter::productBanner(400, 100); });
    add("maker_logo.png", [] { return BrandPainter::makerLogo(220, 64); });
    add("maker_logo_s.png", [] { return BrandPainter::makerLogo(108, 34); });
    add("control_background.png", [] { return BrandPainter::valueField(40, 24); });

    add("help_blue.png", [] { return SymbolPainter::disc(25, ArtPalette::brand(), Glyph::Question); });
    add("small_help.png", [] { return SymbolPainter::disc(19, ArtPalette::brand(), Glyph::Question); });
    add("info.png", [] { return SymbolPainter::disc(16, ArtPalette::brand(), Glyph::Info); });
    add("ok.png", [] { return SymbolPainter::disc(20, ArtPalette::green(), Glyph::Check); });
    add("4e2.png", [] { return SymbolPainter::disc(20, ArtPalette::red(), Glyph::Cross); });
    add("unknown.png", [] { return SymbolPainter::disc(20, ArtPalette::grey(), Glyph::Question); });
    add("srv_wrn.png", [] { return SymbolPainter::triangle(20, ArtPalette::orange(), Glyph::Exclamation); });
    add("warning.png", [] { return SymbolPainter::triangle(24, ArtPalette::yellow(), Glyph::Exclamation); });
    add("warning2.png", [] { return SymbolPainter::triangle(16, ArtPalette::orange(), Glyph::Exclamation); });
    add("shutdown_sml.png", [] { return SymbolPainter::disc(16, ArtPalette::red(), Glyph::Power); });
    add("time.png", [] { return SymbolPainter::clock(20); });
    add("status_ok_48.png", [] { return SymbolPainter::disc(48, ArtPalette::green(), Glyph::Check); });
    add("status_err_48.png", [] { return SymbolPainter::disc(48, ArtPalette::red(), Glyph::Cross); });

    out << animation(prefix, QStringLiteral("images/45.gif"),
                     [] { return SpinnerPainter::dots(64, 12, ArtPalette::brand(), 8); });
    out << animation(prefix, QStringLiteral("images/loading_spinner.gif"),
                     [] { return SpinnerPainter::dots(16, 8, ArtPalette::brand(), 10); });
    out << animation(prefix, QStringLiteral("images/spinner_2_48.gif"),
                     [] { return SpinnerPainter::arc(48, 18, ArtPalette::brand(), 5); });
}

void addIndicators(QList<Item>& out)
{
    const QString prefix = QStringLiteral("/indicators");
    const QList<QPair<const char*, QColor>> states{{"grey", ArtPalette::grey()},
                                                   {"green", ArtPalette::green()},
                                                   {"yellow", ArtPalette::yellow()},
                                                   {"red", ArtPalette::red()},
                                                   {"orange", ArtPalette::orange()}};
    for (const auto& state : states) {
        const QColor colour = state.second;
        const QString name = QLatin1String(state.first);
        out << image(prefix, QStringLiteral("images/indicators/%1.png").arg(name),
                     [colour] { return SymbolPainter::led(16, colour, false); });
        out << image(prefix, QStringLiteral("images/indicators/%1_m.png").arg(name),
                     [colour] { return SymbolPainter::led(16, colour, true); });
    }
    out << image(prefix, QStringLiteral("images/indicators/unknown.png"), [] {
        return SymbolPainter::led(16, ArtPalette::grey().darker(125), false, Glyph::Question);
    });
}

void addDevices(QList<Item>& out)
{
    for (const QString& name : DevicePainter::names()) {
        out << image(QStringLiteral("/devices"), QStringLiteral("images/devices/%1.png").arg(name),
                     [name] { return DevicePainter::paint(name, 200); });
    }
}

void addHeaders(QList<Item>& out)
{
    using Kind = HeaderPainter::Kind;
    const QList<QPair<const char*, Kind>> headers{{"showmessage", Kind::Message},
                                                  {"systemcommand", Kind::SystemCommand},
                                                  {"sendmail", Kind::SendMail},
                                                  {"powerOff", Kind::PowerOff},
                                                  {"outputsocket", Kind::OutputSocket}};
    for (const auto& header : headers) {
        const Kind kind = header.second;
        out << image(QStringLiteral("/headers"),
                     QStringLiteral("images/headers/%1.png").arg(QLatin1String(header.first)),
                     [kind] { return HeaderPainter::paint(kind, 32); });
    }
}

void addVirtualization(QList<Item>& out)
{
    const QString prefix = QStringLiteral("/img");
    const auto add = [&](const char* name, std::function<QImage()> draw) {
        out << image(prefix, QStringLiteral("img/") + QLatin1String(name), draw);
    };
    const QColor busy(0x2f, 0x8f, 0xd8);
    add("host.png", [] { return SymbolPainter::host(16, false); });
    add("host_poweroff_warning.png", [] { return SymbolPainter::host(16, true); });
    add("host_status_disabled.png", [] { return SymbolPainter::disc(16, ArtPalette::grey(), Glyph::Minus); });
    add("host_status_dispass.png",
        [] { return SymbolPainter::disc(16, ArtPalette::grey().darker(125), Glyph::Padlock); });
    add("host_status_offline.png", [] { return SymbolPainter::disc(16, ArtPalette::red(), Glyph::Minus); });
    add("host_status_online.png", [] { return SymbolPainter::disc(16, ArtPalette::green(), Glyph::Check); });
    add("host_status_invalid.png",
        [] { return SymbolPainter::disc(16, ArtPalette::red(), Glyph::Exclamation); });
    add("host_status_update.png", [busy] { return SymbolPainter::disc(16, busy, Glyph::Refresh); });
    add("vm_mode_normal.png", [] { return SymbolPainter::monitor(16, false); });
    add("vm_mode_master.png", [] { return SymbolPainter::monitor(16, true); });
    add("vm_state_running.png", [] { return SymbolPainter::disc(16, ArtPalette::green(), Glyph::Play); });
    add("vm_state_suspended.png",
        [] { return SymbolPainter::disc(16, ArtPalette::yellow().darker(108), Glyph::Pause); });
    add("vm_state_poweroff.png", [] { return SymbolPainter::disc(16, ArtPalette::red(), Glyph::Stop); });
    add("vm_state_chnanging.png", [busy] { return SymbolPainter::disc(16, busy, Glyph::Hourglass); });
}
} // namespace

QList<ArtworkCatalogue::Item> ArtworkCatalogue::items()
{
    QList<Item> out;
    addImages(out);
    addIndicators(out);
    addDevices(out);
    addHeaders(out);
    addVirtualization(out);
    return out;
}

QString ArtworkCatalogue::resourcePath(const Item& item)
{
    return QLatin1Char(':') + item.prefix + QLatin1Char('/') + item.path;
}

QByteArray ArtworkCatalogue::qrc(const QList<Item>& items)
{
    QMap<QString, QStringList> byPrefix;
    for (const Item& item : items)
        byPrefix[item.prefix] << item.path;
    QByteArray text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.writeStartElement(QStringLiteral("RCC"));
    for (auto it = byPrefix.cbegin(); it != byPrefix.cend(); ++it) {
        xml.writeStartElement(QStringLiteral("qresource"));
        xml.writeAttribute(QStringLiteral("prefix"), it.key());
        for (const QString& path : it.value())
            xml.writeTextElement(QStringLiteral("file"), path);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return text;
}

QByteArray ArtworkCatalogue::png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG", 0);
    return bytes;
}
