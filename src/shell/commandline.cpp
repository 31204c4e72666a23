// commandline.cpp - the option table and the printing modes.
#include "shell/commandline.h"

#include "core/app/appinfo.h"
#include "core/colour/colorparse.h"
#include "core/formats/paletteformat.h"
#include "core/palette/paletteexchange.h"
#include "core/report/colorreport.h"
#include "core/report/printformats.h"
#include "platform/qtconvert.h"
#include "platform/qtplatform.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace prismara {

namespace {
QCommandLineOption Option(const QStringList& names, const char* description, const char* valueName = "")
{
    QCommandLineOption option(names, QString::fromUtf8(description));
    if (*valueName)
        option.setValueName(QString::fromUtf8(valueName));
    return option;
}

// Reads the colour `text` given as `what` ("--info"); on failure writes one line naming what was
// not understood and returns nullopt.
std::optional<ColorValue> colorArgument(const char* what, const QString& text, QTextStream& err)
{
    const ColorParseResult parsed = ParseColorText(text.toStdString());
    if (parsed.ok())
        return parsed.color;
    err << "prismara: " << what << ": " << QString::fromStdString(parsed.error) << "\n";
    return std::nullopt;
}

int printInfo(const QCommandLineParser& parser, QTextStream& out, QTextStream& err)
{
    const auto color = colorArgument("--info", parser.value(QStringLiteral("info")), err);
    if (!color)
        return 2;
    out << QString::fromStdString(InfoJson(*color)) << "\n";
    return 0;
}

int printContrast(const QCommandLineParser& parser, QTextStream& out, QTextStream& err)
{
    const QStringList rest = parser.positionalArguments();
    if (rest.size() != 1) {
        err << "prismara: --contrast: give the background colour after the foreground colour"
            << (rest.isEmpty() ? QString() : QStringLiteral(" (and nothing after it)")) << "\n";
        return 2;
    }
    const auto foreground = colorArgument("--contrast FOREGROUND", parser.value(QStringLiteral("contrast")), err);
    if (!foreground)
        return 2;
    const auto background = colorArgument("--contrast BACKGROUND", rest.front(), err);
    if (!background)
        return 2;
    out << QString::fromStdString(ContrastJson(*foreground, *background)) << "\n";
    return 0;
}

// The palette store of the program folder the window would use.
PaletteStore programStore()
{
    return PaletteStore(ToPath(QtPlatform::resolveProgramFolder()));
}

QString writableFormats()
{
    QStringList ids;
    for (const PaletteFormat& format : PaletteFormats())
        if (format.write)
            ids << ToQString(format.id);
    return ids.join(", ");
}

int importPalette(const QCommandLineParser& parser, QTextStream& out, QTextStream& err)
{
    PaletteStore store = programStore();
    const QString file = parser.value(QStringLiteral("import"));
    const ImportOutcome made =
        ImportPaletteFile(store, ToPath(file), ToStdString(parser.value(QStringLiteral("name")).trimmed()));
    if (!made.result) {
        err << "prismara: " << ToQString(made.result.message()) << Qt::endl;
        return 1;
    }
    out << ToQString(made.summary(ToStdString(file))) << Qt::endl;
    for (const std::string& note : made.notes)
        out << ToQString(note) << Qt::endl;
    return 0;
}

int exportPalette(const QCommandLineParser& parser, QTextStream& out, QTextStream& err)
{
    const QString id = parser.value(QStringLiteral("format"));
    const PaletteFormat* format = FindPaletteFormat(ToStdString(id));
    if (id.isEmpty() || !format || !format->write) {
        err << "prismara: --export needs --format with one of " << writableFormats() << Qt::endl;
        return 2;
    }
    PaletteStore store = programStore();
    if (const StoreResult read = store.readIndex(); !read) {
        err << "prismara: " << ToQString(read.message()) << Qt::endl;
        return 1;
    }
    std::string why;
    const int position = FindChart(store, ToStdString(parser.value(QStringLiteral("export"))), why);
    if (position < 0) {
        err << "prismara: " << ToQString(why) << Qt::endl;
        return 1;
    }
    const ExportOutcome exported = ExportPalette(store, position, *format);
    if (!exported.result) {
        err << "prismara: " << ToQString(exported.result.message()) << Qt::endl;
        return 1;
    }
    for (const std::string& note : exported.notes)
        err << "prismara: " << ToQString(note) << Qt::endl;
    err.flush();
    // The bytes go out exactly as written, binary formats included.
    out.flush();
    const std::string& bytes = exported.bytes;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
        err << "prismara: the palette could not be written to standard output" << Qt::endl;
        return 1;
    }
    return 0;
}
} // namespace

QList<QCommandLineOption> CommandLineOptions()
{
    // One row per option, in the order --help lists them.
    return {
        Option({QStringLiteral("info")},
               "Print everything about COLOR (models, name, contrast, colour-vision simulations) as one "
               "JSON object and exit. COLOR: #RRGGBB, RRGGBB, #RGB, CSS rgb(), hsl(), oklch() or a CSS "
               "colour name.",
               "COLOR"),
        Option({QStringLiteral("contrast")},
               "Print the WCAG 2 contrast ratio, the APCA contrast and the WCAG AA/AAA verdicts of "
               "FOREGROUND on BACKGROUND (the next argument) as one JSON object and exit.",
               "FOREGROUND"),
        Option({QStringLiteral("import")},
               "Make a new palette of the colours of FILE (GIMP .gpl, Adobe .ase and .aco, JASC .pal, "
               "Paint.NET .txt, LibreOffice .soc, or any text with #RRGGBB, rgb() or hsl() colours) and exit.",
               "FILE"),
        Option({QStringLiteral("name")}, "With --import: the new palette's name instead of the one the file gives.",
               "NAME"),
        Option({QStringLiteral("export")},
               "Write the palette PALETTE (its name or its file name, e.g. c8.rgb) to standard output in the "
               "--format given and exit.",
               "PALETTE"),
        Option({QStringLiteral("format")},
               "With --export: gpl, ase, aco, pal, txt (Paint.NET), soc, css, scss, json (design tokens) or hex. "
               "With --pick --print: hex (#3366CC, the default), rgb (51,102,204), hsl (the program's own H,S,L), "
               "css-rgb or css-hsl.",
               "FORMAT"),
        Option({QStringLiteral("pick")},
               "Start straight into picking a colour from the screen. When Prismara is already running, the "
               "running copy picks."),
        Option({QStringLiteral("print")},
               "With --pick: print the colour taken on standard output as one line in the --format given and exit "
               "(status 1 when picking is cancelled with Esc or Stop)."),
    };
}

const QList<PrintingMode>& PrintingModes()
{
    static const QList<PrintingMode> modes = {
        {QStringLiteral("info"), printInfo},
        {QStringLiteral("contrast"), printContrast},
        {QStringLiteral("import"), importPalette},
        {QStringLiteral("export"), exportPalette},
    };
    return modes;
}

void SetUpParser(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("%1 - colour picker and colour-scheme designer").arg(QString::fromUtf8(kProductName)));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions(CommandLineOptions());
    parser.addPositionalArgument(QStringLiteral("BACKGROUND"),
                                 QStringLiteral("With --contrast: the background colour."), QStringLiteral("[BACKGROUND]"));
}

std::optional<PickRequest> RequestedPick(const QCommandLineParser& parser, QTextStream& err)
{
    PickRequest request;
    request.wanted = parser.isSet(QStringLiteral("pick"));
    request.print = parser.isSet(QStringLiteral("print"));
    if (request.print && !request.wanted) {
        err << "prismara: --print is given with --pick" << Qt::endl;
        return std::nullopt;
    }
    if (!request.print)
        return request;
    const QString id = parser.isSet(QStringLiteral("format")) ? parser.value(QStringLiteral("format"))
                                                              : ToQString(kDefaultPrintFormat);
    request.format = FindPrintFormat(ToStdString(id));
    if (!request.format) {
        err << "prismara: --pick --print: the format '" << id << "' is not one of "
            << ToQString(PrintFormatIds()).replace('|', QStringLiteral(", ")) << Qt::endl;
        return std::nullopt;
    }
    return request;
}

const PrintingMode* RequestedPrintingMode(const QCommandLineParser& parser)
{
    for (const PrintingMode& mode : PrintingModes())
        if (parser.isSet(mode.option))
            return &mode;
    return nullptr;
}

} // namespace prismara
