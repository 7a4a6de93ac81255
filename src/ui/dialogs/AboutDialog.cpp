#include "ui/dialogs/AboutDialog.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <functional>
#include <string>

#include "ui/platform/Accessibility.h"
#include "ui/platform/Fonts.h"
#include "ui/platform/ShellOpen.h"
#include "util/Paths.h"

namespace korvan {

namespace {

// Client area in pixels.
constexpr int DialogWidth = 392;
constexpr int DialogHeight = 480;
constexpr int Margin = 16;
constexpr int InnerWidth = DialogWidth - 2 * Margin;

// A text that opens its target when clicked: blue, underlined, a hand cursor.
class TLinkLabel : public QLabel
{
public:
    TLinkLabel(const QString& text, std::string target, QWidget* parent)
        : QLabel(text, parent), Target(std::move(target))
    {
        QPalette linkPalette = palette();
        linkPalette.setColor(QPalette::WindowText, Qt::blue);
        setPalette(linkPalette);
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
        setCursor(Qt::PointingHandCursor);
        setToolTip(QString::fromUtf8(Target));
        // Reached by Tab and opened by Enter or Space, for those without a mouse.
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            ShellOpen(Target);
        QLabel::mouseReleaseEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const int key = event->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            ShellOpen(Target);
            return;
        }
        QLabel::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    std::string Target;
};

QLabel* Text(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
             int height)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, top, width, height);
    return label;
}

QFrame* Line(QWidget* parent, const char* name, int left, int top, int width)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(left, top, width, 2);
    return line;
}

// A heading with a line running from its end to the right margin (placed at
// the first showing, when the text is measured).
TFAbout::TUnderline Heading(QWidget* parent, const char* name, const QString& text, int top)
{
    QLabel* label = Text(parent, name, text, Margin, top, InnerWidth, 18);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return {label, Line(parent, (std::string(name) + "Line").c_str(), Margin, top + 9, 0),
            InnerWidth};
}

} // namespace

TFAbout::TFAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FAbout"));
    setWindowTitle(tr("О программе"));
    setFixedSize(DialogWidth, DialogHeight);
    setFont(DialogFont());

    QLabel* name = Text(this, "LName", QStringLiteral("Korvan"), Margin, 14, InnerWidth, 20);
    QFont nameFont(InstalledFace(QStringLiteral("Tahoma")));
    nameFont.setPointSize(10);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignHCenter);
    Text(this, "LPurpose", tr("Программа обучения английскому языку"), Margin, 36, InnerWidth, 18)
        ->setAlignment(Qt::AlignHCenter);

    Line(this, "Bevel1", Margin, 62, InnerWidth);
    LVersion = Text(this, "LVersion",
                    tr("Версия 2.00 от 19/07/2004.\nИзменен формат уроков и доработан интерфейс."),
                    Margin, 70, InnerWidth, 40);
    LVersion->setWordWrap(true);
    LVersion->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Underlines.push_back(Heading(this, "LSiteHeading", tr("Сайт программы"), 122));
    Text(this, "LHomePage", tr("Домашняя страница :"), Margin, 146, 140, 18);
    LWeb_KorvanRoot = new TLinkLabel(QString::fromUtf8(KorvanWebPage), KorvanWebPage, this);
    LWeb_KorvanRoot->setObjectName(QStringLiteral("LWeb_KorvanRoot"));
    LWeb_KorvanRoot->setGeometry(Margin + 144, 146, InnerWidth - 144, 18);

    QLabel* author =
        Text(this, "LAuthor", tr("Автор программы: Павел Седов"), Margin, 186, InnerWidth, 18);
    QFont bold = author->font();
    bold.setBold(true);
    author->setFont(bold);
    Underlines.push_back({author, Line(this, "Bevel2", Margin, 195, 0), 80});

    Text(this, "LEmailCaption", tr("E-mail письмо :"), Margin, 212, 140, 18);
    LEmail_My =
        new TLinkLabel(QString::fromUtf8(AuthorEmail), std::string("mailto:") + AuthorEmail, this);
    LEmail_My->setObjectName(QStringLiteral("LEmail_My"));
    LEmail_My->setGeometry(Margin + 144, 212, InnerWidth - 144, 18);
    Text(this, "LMyHomePage", tr("Домашняя страница :"), Margin, 234, 140, 18);
    LWeb_MyRoot = new TLinkLabel(QString::fromUtf8(AuthorHomePage), AuthorHomePage, this);
    LWeb_MyRoot->setObjectName(QStringLiteral("LWeb_MyRoot"));
    LWeb_MyRoot->setGeometry(Margin + 144, 234, InnerWidth - 144, 18);

    Underlines.push_back(Heading(this, "LThanksHeading", tr("Благодарности"), 274));
    QLabel* thanks = Text(this, "LThanks",
                          tr("Благодарю Марину Лаврову за идею программы\n"
                             "и за помощь в том, чтобы сделать её полезнее\n"
                             "для обучения английскому языку."),
                          Margin, 298, InnerWidth, 54);
    thanks->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    thanks->setWordWrap(true); // the Russian breaks its own lines; others wrap

    // Where the log and the settings are, so a teacher can find them.
    Underlines.push_back(
        Heading(this, "LUserFolderHeading", tr("Ваши файлы (журнал, настройки, уроки)"), 360));
    const std::string folder = FileLocations().User;
    LUserFolder = new TLinkLabel(QString::fromUtf8(folder), folder, this);
    LUserFolder->setObjectName(QStringLiteral("LUserFolder"));
    LUserFolder->setGeometry(Margin, 384, InnerWidth, 18);

    // Both the default and the cancel button: Enter and Esc close the box.
    BOk = new QPushButton(tr("Да"), this);
    BOk->setObjectName(QStringLiteral("BOk"));
    BOk->setDefault(true);
    BOk->setGeometry((DialogWidth - 88) / 2, DialogHeight - Margin - 28, 88, 28);
    connect(BOk, &QPushButton::clicked, this, &QDialog::accept);
    ApplyAccessibleTexts(this);
}

void TFAbout::showEvent(QShowEvent* event)
{
    // Measured here, not when the box is made with the main window: the fonts
    // would be loaded before the main window could show.
    if (!Measured) {
        Measured = true;
        for (const TUnderline& u : Underlines) {
            const int textWidth = u.Label->fontMetrics().horizontalAdvance(u.Label->text()) + 8;
            u.Line->setGeometry(Margin + textWidth, u.Line->y(),
                                std::min(u.MaxWidth, InnerWidth - textWidth), u.Line->height());
        }
        LUserFolder->setText(LUserFolder->fontMetrics().elidedText(LUserFolder->text(),
                                                                   Qt::ElideMiddle, InnerWidth));
    }
    QDialog::showEvent(event);
}

void TFAbout::Execute()
{
    BOk->setFocus();
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
}

} // namespace korvan
