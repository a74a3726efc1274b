// SPDX-License-Identifier: GPL-3.0-or-later
// The programs' command line and their kept choices.
#include "qt/options.h"

#include <QRegularExpression>

#include "values/values.h"

namespace qtview {

namespace {

const QString digits_option = QStringLiteral("digits");
const QString zoom_option = QStringLiteral("zoom");
const QString speak_option = QStringLiteral("speak");
const QString help_option = QStringLiteral("help");
const QString version_option = QStringLiteral("version");

QString u(const char* text) { return QString::fromUtf8(text); }

std::optional<Digits> digits_named(const QString& name)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("western"))
        return Digits::Western;
    if (n == QLatin1String("eastern"))
        return Digits::Eastern;
    return std::nullopt;
}

QString name_of(Digits digits) { return digits == Digits::Eastern ? u("eastern") : u("western"); }

// A factor in either digit set, as a pupil's number is read.
std::optional<double> zoom_from(const QString& text)
{
    const std::optional<double> zoom = values::strict(text.toStdString());
    if (!zoom || !(*zoom >= smallest_zoom && *zoom <= largest_zoom))
        return std::nullopt;
    return zoom;
}

// Each line of a message, Arabic first and English second, after the program's name.
QString failure(const QString& id, const QString& arabic, const QString& english)
{
    return QStringLiteral("%1: %2\n%1: %3\n%1: %4 --help\n").arg(id, arabic, english, u("للمساعدة / for help: ") + id);
}

// The argument, as typed, that names an unknown option: "-platform" rather than "platform".
QString typed(const QStringList& arguments, const QString& name)
{
    for (const QString& a : arguments) {
        const QString option = a.section(QLatin1Char('='), 0, 0);
        if (option.startsWith(QLatin1Char('-')) && QString(option).remove(QRegularExpression(u("^-+"))) == name)
            return option;
    }
    return name;
}

// Qt's help without its own first line, which names the program only once an application exists.
QString usage_after_first_line(const QCommandLineParser& parser)
{
    return parser.helpText().section(QLatin1Char('\n'), 1);
}

ViewChoice kept_choice(const QSettings& kept)
{
    ViewChoice choice;
    if (const auto digits = digits_named(kept.value(digits_option).toString()))
        choice.digits = *digits;
    if (const auto zoom = zoom_from(kept.value(zoom_option).toString()))
        choice.zoom = *zoom;
    return choice;
}

}  // namespace

QList<QCommandLineOption> view_options()
{
    return {
        QCommandLineOption(
            digits_option,
            u("الأرقام التي تُكتب بها الأعداد: western للأرقام 0123456789، أو eastern للأرقام ٠١٢٣٤٥٦٧٨٩.\n"
              "The digits numbers are written in: western, 0123456789, or eastern, ٠١٢٣٤٥٦٧٨٩."),
            u("western|eastern")),
        QCommandLineOption(zoom_option,
                           u("يكبّر البرنامج كله أو يصغّره بمعامل من 0.75 إلى 3، والحجم العادي 1.\n"
                             "Scales the whole program by a factor from 0.75 to 3; 1 is the normal size."),
                           u("FACTOR")),
    };
}

void add_view_options(QCommandLineParser& parser) { parser.addOptions(view_options()); }

QList<QCommandLineOption> program_options()
{
    return QList<QCommandLineOption>{
               QCommandLineOption({u("h"), help_option}, u("يعرض هذه المساعدة.\nShows this help.")),
               QCommandLineOption({u("v"), version_option}, u("يعرض رقم الإصدار.\nShows the version.")),
           }
    + view_options()
        + QList{QCommandLineOption(speak_option,
                                   u("on ليقرأ البرنامج بصوت مسموع شروحه ونتائجه، أو off لإيقاف ذلك (وهو الأصل). "
                                     "المفتاح F2 يشغّل القراءة أو يوقفها، وF3 يعيد قراءة اللوحة أو السؤال.\n"
                                     "on to have the explanations and results read aloud, or off, the default. "
                                     "F2 turns reading aloud on or off; F3 reads the board or the question again."),
                                   u("on|off"))};
}

QString program_options_note()
{
    return u("ما يُختار بـ --digits و--zoom و--speak يبقى إلى أن يُغيَّر.\n"
             "What --digits, --zoom and --speak choose is kept until it is changed.");
}

std::optional<ViewChoice> take_view_options(const QCommandLineParser& parser, ViewChoice choice, const QString& id,
                                            QString& error)
{
    if (parser.isSet(digits_option)) {
        const QString value = parser.value(digits_option);
        const auto digits = digits_named(value);
        if (!digits) {
            error = failure(id, u("قيمة --digits هي western أو eastern، وليست «%1».").arg(value),
                            u("--digits takes western or eastern, not \"%1\".").arg(value));
            return std::nullopt;
        }
        choice.digits = *digits;
    }
    if (parser.isSet(zoom_option)) {
        const QString value = parser.value(zoom_option);
        const auto zoom = zoom_from(value);
        if (!zoom) {
            error = failure(id, u("قيمة --zoom عدد من 0.75 إلى 3، وليست «%1».").arg(value),
                            u("--zoom takes a number from 0.75 to 3, not \"%1\".").arg(value));
            return std::nullopt;
        }
        choice.zoom = *zoom;
    }
    return choice;
}

Start read_command_line(const QStringList& arguments, const model::ProgramDescription& program, QSettings& kept)
{
    const QString id = QString::fromUtf8(program.id.data(), qsizetype(program.id.size()));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(program_options_note());
    parser.addOptions(program_options());

    Start start{kept_choice(kept), std::nullopt, {}};
    auto stop = [&start](int status, const QString& output) {
        start.exit_status = status;
        start.output = output;
        return start;
    };
    constexpr int usage_error = 2;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return stop(usage_error,
                        failure(id, u("خيار غير معروف: ") + typed(arguments, unknown.front()),
                                u("unknown option: ") + typed(arguments, unknown.front())));
        return stop(usage_error, failure(id, u("في سطر الأوامر خطأ."), parser.errorText()));
    }
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        return stop(usage_error,
                    failure(id, u("لا يأخذ البرنامج إلا خيارات، وليس «%1».").arg(extra.front()),
                            u("the program takes options only, not \"%1\".").arg(extra.front())));
    if (parser.isSet(help_option))
        return stop(0, u("الاستعمال: %1 [الخيارات]\nUsage: %1 [options]\n").arg(id) + usage_after_first_line(parser));
    if (parser.isSet(version_option))
        return stop(0, QStringLiteral("%1 %2\n").arg(id, u(TUTORS_VERSION)));
    QString error;
    const std::optional<ViewChoice> choice = take_view_options(parser, start.choice, id, error);
    if (!choice)
        return stop(usage_error, error);
    start.choice = *choice;
    start.speak = kept.value(speak_option).toString() == QLatin1String("on");
    if (parser.isSet(speak_option)) {
        const QString value = parser.value(speak_option).trimmed().toLower();
        if (value != QLatin1String("on") && value != QLatin1String("off"))
            return stop(usage_error,
                        failure(id, u("قيمة --speak هي on أو off، وليست «%1».").arg(parser.value(speak_option)),
                                u("--speak takes on or off, not \"%1\".").arg(parser.value(speak_option))));
        start.speak = start.speak_asked = value == QLatin1String("on");
        keep_speak(kept, start.speak);
    }
    if (parser.isSet(digits_option))
        kept.setValue(digits_option, name_of(choice->digits));
    if (parser.isSet(zoom_option))
        kept.setValue(zoom_option, choice->zoom);
    kept.sync();
    return start;
}

void keep_speak(QSettings& kept, bool on)
{
    kept.setValue(speak_option, on ? u("on") : u("off"));
    kept.sync();
}

std::unique_ptr<QSettings> kept_choices()
{
    return std::make_unique<QSettings>(QStringLiteral("numeria-tutors"), QStringLiteral("tutors"));
}

void apply_zoom(double zoom)
{
    if (zoom == 1.0)
        return;
    // A scale the desktop already sets stays, and the zoom comes on top of it.
    bool set = false;
    const double desktop = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    qputenv("QT_SCALE_FACTOR", QByteArray::number(set && desktop > 0 ? desktop * zoom : zoom));
}

}  // namespace qtview
