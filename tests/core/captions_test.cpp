// Every caption of every window fits its control, in the face and style that draw it. The
// windows are found through their instances, so that a window added later is checked too.
#include "mainwindowtest.h"

#include "forms/checkbox.h"
#include "forms/commandbutton.h"
#include "forms/forminstance.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "forms/optionbutton.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QMap>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOption>
#include <climits>
#include <optional>

namespace {
// A caption and the room its control gives it, as the style lays it out.
struct Room {
    QString text;
    QRect rect;
    bool wraps = false;
};

std::optional<Room> buttonRoom(const QWidget* widget, QStyle::SubElement contents) {
    const auto* button = static_cast<const QAbstractButton*>(widget);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return Room{button->text(), button->style()->subElementRect(contents, &option, button)};
}

// None for a control without a caption, and for a label that shows data.
std::optional<Room> roomOf(const Control& control) {
    const QWidget* widget = control.widget();
    if (const auto* label = dynamic_cast<const Label*>(&control)) {
        if (!label->UseMnemonic()) return std::nullopt;
        const auto* shown = static_cast<const QLabel*>(widget);
        return Room{shown->text(), shown->contentsRect(), shown->wordWrap()};
    }
    if (dynamic_cast<const CheckBox*>(&control)) return buttonRoom(widget, QStyle::SE_CheckBoxContents);
    if (dynamic_cast<const OptionButton*>(&control))
        return buttonRoom(widget, QStyle::SE_RadioButtonContents);
    if (dynamic_cast<const CommandButton*>(&control))
        return buttonRoom(widget, QStyle::SE_PushButtonContents);
    if (dynamic_cast<const Frame*>(&control)) {
        const auto* box = static_cast<const QGroupBox*>(widget);
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        // The title stands in from the left edge; as far in from the right ends its room.
        return Room{box->title(),
                    QRect(title.left(), title.top(), box->width() - 2 * title.left(), title.height())};
    }
    return std::nullopt;
}

// What the caption takes: each line on its own, or wrapped at the room's width.
QSize needed(const Room& room, const QFontMetrics& metrics) {
    if (!room.wraps) return metrics.size(Qt::TextShowMnemonic, room.text);
    return metrics
        .boundingRect(QRect(0, 0, room.rect.width(), INT_MAX), Qt::TextWordWrap | Qt::TextShowMnemonic,
                      room.text)
        .size();
}

class CaptionsFit : public MainWindowTest {
protected:
    ~CaptionsFit() override {
        const auto& windows = FormInstanceBase::all();
        for (auto window = windows.rbegin(); window != windows.rend(); ++window)
            (*window)->unload();
    }
};

TEST_F(CaptionsFit, EveryCaptionOfEveryWindowFitsItsControl) {
    newSet(QStringLiteral("Captions"), 2); // the batch dialog needs an open set
    QStringList windows;
    QStringList cut;
    for (FormInstanceBase* window : FormInstanceBase::all()) {
        const Form& form = window->form();
        windows << form.Name();
        for (const Control* control : form.Controls()) {
            const std::optional<Room> room = roomOf(*control);
            if (!room || room->text.isEmpty()) continue;
            const QFont& font = control->widget()->font();
            const QSize size = needed(*room, QFontMetrics(font));
            // A wrapped caption must end above the bottom; a word wider than the room
            // still runs past the side.
            if (size.width() > room->rect.width() || (room->wraps && size.height() > room->rect.height()))
                cut << QStringLiteral("%1.%2 \"%3\" in %4 %5 px: %6x%7 px, room %8x%9 px")
                           .arg(form.Name(), control->Name(), room->text, font.family())
                           .arg(font.pixelSize())
                           .arg(size.width())
                           .arg(size.height())
                           .arg(room->rect.width())
                           .arg(room->rect.height());
        }
    }
    // The program starts from the main window's module, which reaches every window.
    for (const char* name : {"frmMaster", "frmSetName", "frmCreate", "frmCard2nd", "frmCard3rd",
                             "frmCharacter2nd", "frmCardBacks", "frmCardType", "frmCardList", "frmCR"})
        EXPECT_TRUE(windows.contains(QLatin1String(name))) << name;
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char('\n')).toStdString();
}
// The caption that gives a control its access key; none for a label that shows data.
QString accessCaption(const Control& control) {
    if (const auto* label = dynamic_cast<const Label*>(&control))
        return label->UseMnemonic() ? label->Caption() : QString();
    if (const auto* box = dynamic_cast<const CheckBox*>(&control)) return box->Caption();
    if (const auto* option = dynamic_cast<const OptionButton*>(&control)) return option->Caption();
    if (const auto* button = dynamic_cast<const CommandButton*>(&control)) return button->Caption();
    if (const auto* frame = dynamic_cast<const Frame*>(&control)) return frame->Caption();
    return {};
}

// Alt with a key used twice in one window reaches only one of its controls.
TEST_F(CaptionsFit, EveryAccessKeyOfAWindowReachesOneControl) {
    newSet(QStringLiteral("Keys"), 2);
    QStringList twice;
    for (FormInstanceBase* window : FormInstanceBase::all()) {
        const Form& form = window->form();
        QMap<QKeySequence, QString> owners;
        for (const Control* control : form.Controls()) {
            const QKeySequence key = QKeySequence::mnemonic(accessCaption(*control));
            if (key.isEmpty()) continue;
            if (owners.contains(key))
                twice << QStringLiteral("%1: %2 in %3 and %4")
                             .arg(form.Name(), key.toString(), owners[key], control->Name());
            else
                owners.insert(key, control->Name());
        }
    }
    EXPECT_TRUE(twice.isEmpty()) << twice.join(QLatin1Char('\n')).toStdString();
}
} // namespace
