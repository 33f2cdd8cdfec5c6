#include "ui/help_window/frmHelp.h"

#include <QFont>
#include <QIcon>
#include <QLabel>

#include <array>

namespace addrell {

namespace {

constexpr int kTwipsPerPixel = 15;

// Every piece but the last ends in one blank; they are joined as they are.
constexpr std::array<const char*, 7> kPieces = {
    "This program is designed to Print Business Envelopes on the HP LaserJet Center Fed printer "
    "or the ",
    "HP DeskJet series with a Right Fed Addrell Option.  The 'Use Contact' option selects the "
    "currently ",
    "selected Contact from OutLook 2000 and Places it in the Address Text Box.  The return Address "
    "text box may ",
    "be selected by using the tab dialog and selection and option.  If Outlook 2000 is not open "
    "and a contact is not ",
    "selected the 'Use Contact' option with ask you to select a contact folder.  You may then "
    "select a contact from ",
    "the displayed list by clicking on the contact of your choice.  Alternately, you can type "
    "directly into the Address ",
    "box to set your address.",
};

QRect pixels(int left, int top, int width, int height)
{
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

} // namespace

frmHelp::frmHelp(QWidget* parent) : QWidget(parent, Qt::Window), m_lblHelp(new QLabel(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Addrell Help"));
    // The help window has no icon; without an empty one of its own it would show its parent's.
    setWindowIcon(QIcon());
    setFixedSize(pixels(0, 0, 7980, 5475).size());

    // The Windows font name, mapped to its metric-compatible Linux twin.
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12.0);
    m_lblHelp->setObjectName(QStringLiteral("lblHelp"));
    m_lblHelp->setFont(font);
    m_lblHelp->setGeometry(pixels(330, 180, 7545, 5055));
    m_lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblHelp->setTextFormat(Qt::PlainText);
    m_lblHelp->setWordWrap(true);
    Form_Load();
}

QString frmHelp::helpText()
{
    QString text;
    for (const char* piece : kPieces) {
        text += QLatin1String(piece);
    }
    return text;
}

void frmHelp::Form_Load()
{
    m_lblHelp->setText(helpText());
}

} // namespace addrell
