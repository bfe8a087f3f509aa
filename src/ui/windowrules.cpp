#include "ui/windowrules.h"

#include "calc/arithmetic.h"
#include "settings/defaults.h"
#include "settings/mregistry.h"
#include "ui/userfeedback.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QStyleFactory>

namespace ui {

namespace {

// Raised by BoxNumber and caught by RunHandler only.
struct NotANumber
{
    QLineEdit* box;
};

constexpr char kReferenceFont[] = "MS Sans Serif";
// Wine's reference font is drawn for the small sizes only; headings take its scalable successor.
constexpr char kScalableFont[] = "Microsoft Sans Serif";
constexpr const char* kReferenceFontFiles[] = {"/usr/share/wine/fonts/ms_sans_serif.ttf",
                                               "/usr/local/share/wine/fonts/ms_sans_serif.ttf"};

void Refuse(QWidget* window, const QString& message)
{
    Feedback().beep();
    Feedback().warn(window, message);
}

QString NotANumberMessage(const QString& text)
{
    const QString shown = text.trimmed();
    if (text.isEmpty())
        return QStringLiteral("A white box is empty. Please fill in a number before hitting "
                              "calculate!");
    if (shown.isEmpty())
        return QStringLiteral("A box holds only blanks, which is not a number. Please enter a "
                              "number before hitting calculate!");
    constexpr int kLongest = 24;
    const QString quoted = shown.size() > kLongest ? shown.left(kLongest) + QChar(0x2026) : shown;
    return QStringLiteral("\"%1\" is not a number. Please enter a number before hitting "
                          "calculate!")
        .arg(quoted);
}

QString ErrorNumberText(std::int32_t number)
{
    const QString hex = QString::number(static_cast<std::uint32_t>(number), 16).toUpper();
    return QStringLiteral("Error number %1 (0x%2)").arg(number).arg(hex);
}

} // namespace

void ApplyProgramLook()
{
    // The layout is measured in the reference font. Wine's font of that name shares its
    // metrics, so every caption wraps as laid out; the others come close.
    for (const char* path : kReferenceFontFiles) {
        if (QFile::exists(QString::fromLatin1(path))) {
            QFontDatabase::addApplicationFont(QString::fromLatin1(path));
            break;
        }
    }
    const QStringList closeFonts{QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                                 QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QString::fromLatin1(kReferenceFont),
                               QStringList{QString::fromLatin1(kScalableFont)} + closeFonts);
    QFont::insertSubstitutions(QString::fromLatin1(kScalableFont), closeFonts);
    QFont font(QString::fromLatin1(kReferenceFont));
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
}

void SetUpWindow(QWidget* window, bool withIcon)
{
    window->setFixedSize(window->size());
    if (withIcon)
        window->setWindowIcon(PoolIcon());
}

QIcon PoolIcon()
{
    return QIcon(QStringLiteral(":/icons/poolwright.png"));
}

void SetFont(QWidget* widget, qreal points, bool bold, bool italic)
{
    QFont font(QString::fromLatin1(kScalableFont));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    widget->setFont(font);
}

void MakeOutputBoxes(std::initializer_list<QWidget*> boxes)
{
    for (QWidget* box : boxes) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
        box->setPalette(palette);
        if (auto* line = qobject_cast<QLineEdit*>(box))
            line->setReadOnly(true);
        else if (auto* text = qobject_cast<QPlainTextEdit*>(box))
            text->setReadOnly(true);
    }
}

calc::UnitSystem ReadUnitSystem()
{
    return calc::UnitSystemFromText(defaults::Read(defaults::kUnitOfMeasure));
}

void FillPoolSize(QLineEdit* box)
{
    box->setText(defaults::Read(defaults::kPoolSize));
}

QString PoolSizeCaption(calc::UnitSystem units)
{
    return units == calc::UnitSystem::Imperial ? QStringLiteral("Pool Size (Gal.)")
                                               : QStringLiteral("Pool Size (L)");
}

bool RequireFilled(QWidget* window, std::initializer_list<const QLineEdit*> boxes,
                   const char* message)
{
    for (const QLineEdit* box : boxes) {
        if (box->text().isEmpty()) {
            Refuse(window, QString::fromUtf8(message));
            return false;
        }
    }
    return true;
}

double BoxNumber(QLineEdit* box)
{
    const std::optional<double> number = calc::ParseNumber(box->text());
    if (!number)
        throw NotANumber{box};
    return *number;
}

void RunHandler(QWidget* window, const std::function<void()>& handler,
                const QString& settingsFailure)
{
    try {
        handler();
    } catch (const NotANumber& failure) {
        Refuse(window, NotANumberMessage(failure.box->text()));
        failure.box->setFocus();
        failure.box->selectAll();
    } catch (const calc::CalculationError& failure) {
        Refuse(window, QString::fromStdString(failure.what()));
    } catch (const SettingsError& failure) {
        Feedback().beep();
        Feedback().reportError(window, settingsFailure + QLatin1String("\n\n") +
                                           QString::fromStdString(failure.description()) +
                                           QLatin1Char('\n') + ErrorNumberText(failure.number()));
    }
}

} // namespace ui
