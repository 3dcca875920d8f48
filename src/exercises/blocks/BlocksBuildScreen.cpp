// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/blocks/BlocksBuildScreen.h"

#include "exercises/blocks/BlocksVariants.h"
#include "exercises/blocks/BlocksView.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "framework/Pictures.h"
#include "services/Contrast.h"
#include "services/NumberWords.h"
#include "services/TextForms.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr double WordsPoints = 18;
constexpr double DigitsPoints = 36;

// A button in the full colour of its blocks, with white letters where they
// read on it, dark ones where not (the style's own buttons would pale the
// colour).
class ColourButton : public QPushButton
{
public:
    ColourButton(const QString& caption, const QColor& colour) : QPushButton(caption), colour_(colour) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QColor fill = isEnabled() ? colour_ : QColor(160, 160, 160);
        if (isDown())
            fill = fill.darker(130);
        const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        const double radius = std::min(r.width(), r.height()) / 8;
        p.setPen(QPen(hasFocus() ? QColor(Qt::black) : fill.darker(160), hasFocus() ? 3 : 1.5));
        p.setBrush(fill);
        p.drawRoundedRect(r, radius, radius);
        // White letters where they read on the block colour; disabled
        // buttons are grey on grey on purpose.
        p.setPen(isEnabled() ? contrast::readable(Qt::white, fill) : QColor(Qt::white));
        p.setFont(font());
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, text());
    }

private:
    QColor colour_;
};

} // namespace

BlocksBuildScreen::BlocksBuildScreen(AppContext& app, const ExerciseRow& row) : ExerciseScreen(app, row)
{
    number_ = place(new QLabel(QStringLiteral("Forma il numero")), QStringLiteral("EtichettaNumero"),
                    at(120, 120, 6510, 615));
    number_->setFont(designFont(QStringLiteral("Arial"), WordsPoints));
    number_->setAlignment(Qt::AlignCenter);
    control::fillBackground(number_, QColor(0, 255, 255));
    // The number to build, when it is shown in words, can be heard.
    speakNumber(number_, [this]() -> std::optional<int> { return posed_; }, [this] { return words_; });

    const BlocksLayout& layout = blockLayouts::build();
    view_ = new BlocksView(layout);
    const QRectF b = view_->designBounds();
    place(view_, QStringLiteral("BlocksDrawing"), at(b.x(), b.y(), b.width(), b.height()));
    view_->nameThrough(spokenNames());

    struct Adder
    {
        const char* name;
        const char* caption;
        BlockKind kind;
        QColor colour;
        double top;
    };
    const Adder adders[] = {
        {"BottoneCentinaia", "Centinaia", BlockKind::Flat, QColor(0, 128, 0), 2400},
        {"BottoneDecine", "Decine", BlockKind::Long, QColor(255, 0, 0), 3240},
        {"BottoneUnita", "Unità", BlockKind::Unit, QColor(0, 0, 255), 4080},
    };
    for (const Adder& a : adders) {
        auto* button = place(new ColourButton(QString::fromUtf8(a.caption), a.colour), QString::fromLatin1(a.name),
                             at(6840, a.top, 2295, 735));
        button->setFont(designFont(QStringLiteral("Arial"), 14.25));
        const BlockKind kind = a.kind;
        connect(button, &QPushButton::clicked, this, [this, kind] { addBlock(kind); });
    }
    auto* restartButton = place(new QPushButton(QStringLiteral("Ricomincia")), QStringLiteral("BottoneRicomincia"),
                                at(6840, 5040, 2295, 735));
    restartButton->setFont(designFont(QStringLiteral("Arial"), 14.25));
    connect(restartButton, &QPushButton::clicked, this, &BlocksBuildScreen::restart);

    confirm_ = place(new PictureButton(QStringLiteral("Conferma"), pictures::ConfirmTick), QStringLiteral("BottoneConferma"),
                     at(3840, 3960, 2160, 975));
    confirm_->setFont(designFont(QStringLiteral("Arial"), 14.25));
    connect(confirm_, &QPushButton::clicked, this, &BlocksBuildScreen::confirm);
    // A right answer locks only the check: the child may go on adding blocks.
    setAnswerInputs({confirm_});

    QMenu* numberIn = addOwnMenu(QStringLiteral("MenuNumero"), QStringLiteral("Numero in     "));
    wordsItem_ = addMenuItem(numberIn, QStringLiteral("MenuParola"), QStringLiteral("Parola"));
    digitsItem_ = addMenuItem(numberIn, QStringLiteral("MenuCifre"), QStringLiteral("Cifre"));
    for (QAction* item : {wordsItem_, digitsItem_})
        item->setCheckable(true);
    wordsItem_->setChecked(true);
    connect(wordsItem_, &QAction::triggered, this, [this] { showIn(true); });
    connect(digitsItem_, &QAction::triggered, this, [this] { showIn(false); });
}

const BlocksDrawing& BlocksBuildScreen::drawing() const
{
    return view_->drawing();
}

void BlocksBuildScreen::newProblem()
{
    randomBackground();
    if (nextButton())
        nextButton()->setEnabled(false);
    confirm_->setEnabled(true);
    view_->setDrawing({});
    view_->show();
    posed_ = drawBlocksNumber(app().random, app().state.maxNumber);
    number_->setText(words_ ? numberInWords(posed_, app().state.wordsLanguage()) : patternedText(posed_));
    fitNumber();
}

void BlocksBuildScreen::addBlock(BlockKind kind)
{
    BlocksDrawing d = view_->drawing();
    if (d.add(kind))
        view_->setDrawing(d);
}

void BlocksBuildScreen::restart()
{
    view_->setDrawing({});
}

void BlocksBuildScreen::confirm()
{
    if (view_->drawing().value() == posed_) {
        countRight();
        awaitNext();
    } else {
        // The blocks stay: the child adds more or starts again.
        countWrong(WrongSignal::Both);
    }
}

QString BlocksBuildScreen::problemShown() const
{
    return number_->text().trimmed();
}

QString BlocksBuildScreen::answerGiven() const
{
    return QString::number(view_->drawing().value());
}

void BlocksBuildScreen::showIn(bool words)
{
    words_ = words;
    wordsItem_->setChecked(words);
    digitsItem_->setChecked(!words);
    newProblem();
}

void BlocksBuildScreen::hideDrawingForChoice()
{
    view_->hide();
}

void BlocksBuildScreen::afterRescale()
{
    fitNumber();
}

// The number at its size for words or digits, smaller only where the label
// is too small for it (long words, or big digits on a small display).
void BlocksBuildScreen::fitNumber()
{
    QFont f = number_->font();
    double points = words_ ? WordsPoints : DigitsPoints;
    f.setPointSizeF(points);
    const QRect room = number_->contentsRect().adjusted(4, 0, -4, 0);
    const auto tooBig = [&] {
        const QFontMetrics m(f);
        return m.horizontalAdvance(number_->text()) > room.width() || m.ascent() > room.height();
    };
    while (points > 8 && tooBig()) {
        points -= 1;
        f.setPointSizeF(points);
    }
    number_->setFont(f);
}
