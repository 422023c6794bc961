#pragma once

#include <QStringView>
#include <QWidget>

#include <initializer_list>
#include <utility>
#include <vector>

// What a control of a fixed window is.
enum class ControlKind {
    Label,     // a caption, "&" marks its access key
    Heading,   // a caption in bold
    TextLabel, // shows text as it is, such as the user's titles
    Image,
    Button,
    CheckBox,
    LineEdit, // maxLength, when set, binds typing and pasting (TextLimit.h)
    DigitBox, // a line edit that takes digits only, typed or pasted
    TextBox,  // several lines of plain text, held to maxLength when set
    ComboBox,
    ListBox,
    RadioButton,
    Frame, // holds other controls of the table
    Pages, // shows one of the frames in it at a time
    Line,  // a sunken rule across the window
};

// How a control takes an access key that other controls of its table share
// ("&" before the same letter): it wins every press while it can be seen, or
// the holders take the presses in turn, one each, as Windows' dialogs do
// (for fields where landing on the other one first loses nothing).
enum class KeyClash {
    Shares,
    Wins,
    TakesTurns,
};

// Marks a control whose table says its access key is shared in turn.
inline constexpr char TakesTurnsProperty[] = "accessKeyTakesTurns";

// One control of a fixed window: its kind, object name, caption, place in
// twips, tool tip, the most characters it takes (0: no limit), the control
// of the same table it lies in (none: the window) and how it shares its
// access key.
struct Control {
    ControlKind kind;
    QStringView name;
    QStringView caption;
    int left;
    int top;
    int width;
    int height;
    QStringView toolTip = {};
    int maxLength = 0;
    QStringView parent = {};
    KeyClash keyClash = KeyClash::Shares;
};

// The controls of one window, made from its table, found again by name.
class ControlSet {
public:
    // The rows are made in order, which is also the order of the focus
    // chain; a row's parent must come before it.
    ControlSet(QWidget *parent, std::initializer_list<Control> table);

    template <class Widget> Widget *get(QStringView name) const
    {
        auto *widget = qobject_cast<Widget *>(find(name));
        Q_ASSERT_X(widget, "ControlSet", "the control is of another kind");
        return widget;
    }

private:
    QWidget *find(QStringView name) const;
    void settleKeyClashes(std::initializer_list<Control> table) const;

    std::vector<std::pair<QStringView, QWidget *>> made_;
};
