#pragma once

// Every window's named controls, described once: kind, caption, the state the window opens with and
// the page a control sits on. The Qt windows make their named widgets from these rows (their code
// only places them) and are checked against them; the test fake builds its controls from the same
// rows. A new control is one row here plus the line that places its widget.
#include "app/ControlNames.h"
#include "app/Controls.h"

#include <optional>
#include <string>
#include <vector>

namespace app {

enum class ControlKind
{
    Label,
    ClickLabel, // a label that reports Clicked
    Picture,    // a picture or an animation
    Edit,       // one-line text box
    TextBox,    // multi-line text box
    Combo,      // drop-down list: items
    Radio,      // group: the radios that exclude each other
    Check,
    Button,
    Group,     // group box: caption is its title
    List,      // list view: items are the column headers
    Pages,     // page control: items are the page captions
    Browser,   // browser view
    Toolbar,   // items are the buttons' captions; a separator sits between two buttons
    StatusBar, // picture and text of the first part
    Progress,
    Player, // media player
    Menu,   // caption is the title; its items name it as their menu
    MenuItem,
    Chart, // a chart drawn from its text
};

struct ControlSpec
{
    ControlKind kind = ControlKind::Label;
    names::Name name;
    std::string caption;            // text, caption, title or tool tip as the kind has it
    std::vector<std::string> items; // see ControlKind
    names::Name group;              // radios of one group exclude each other
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    bool firstPageOnly = false; // page control: the pages after the first start hidden
    names::Name pages;          // the page control this control sits on, and the page
    int page = -1;
    names::Name menu; // a menu item's menu
    std::optional<Rgb> color;
    std::string tip; // tool tip
};

struct WindowLayout
{
    names::Name key;    // the window name, or a form key such as names::NestlingContenSinglePage
    names::Name window; // the window's own name
    std::string title;
    std::vector<ControlSpec> controls;

    // The row of a control, or null.
    const ControlSpec* find(std::string_view control) const;
};

// The layout of a window or form, or null for a name no window has.
const WindowLayout* windowLayout(std::string_view key);
// Every window and form.
const std::vector<WindowLayout>& windowLayouts();

// What differs between a window's state and its layout (one sentence each; empty when they agree),
// read through the control operations: captions, items, headers, pages, toolbar buttons and the
// opening state of every row, and the window's title.
std::vector<std::string> layoutDifferences(const Window& window, const WindowLayout& layout);

} // namespace app
