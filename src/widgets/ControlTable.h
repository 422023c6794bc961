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
    LineEdit,
    ComboBox,
    Line, // a sunken rule across the window
};

// One control of a fixed window: its kind, object name, caption, place in
// twips and tool tip.
struct Control {
    ControlKind kind;
    QStringView name;
    QStringView caption;
    int left;
    int top;
    int width;
    int height;
    QStringView toolTip = {};
};

// The controls of one window, made from its table, found again by name.
class ControlSet {
public:
    ControlSet(QWidget *parent, std::initializer_list<Control> table);

    template <class Widget>
    Widget *get(QStringView name) const
    {
        return static_cast<Widget *>(find(name));
    }

private:
    QWidget *find(QStringView name) const;

    std::vector<std::pair<QStringView, QWidget *>> made_;
};

// Makes one control on parent as the table describes it.
QWidget *makeControl(QWidget *parent, const Control &control);
