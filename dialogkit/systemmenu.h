// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window menu of the main window. The window manager's own menu cannot be extended here, so
// the window carries a menu of its own that opens from the window background (right click), the
// Menu key or Shift+F10. It starts with "Close"; the program appends its items. Choosing an item
// hands its command value to the window's system command handler.

#include <QKeySequence>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace pelorin {

// Command values as the window menu carries them.
inline constexpr unsigned kCloseCommand = 0xF060;
inline constexpr unsigned kAboutCommand = 0x0010;
// The program's own windows beside the main window.
inline constexpr unsigned kModelsCommand = 0x0020;
inline constexpr unsigned kMonitorCommand = 0x0030;
inline constexpr unsigned kHistoryCommand = 0x0050;
// Chooses which of the transmitter's two memories (USER1, USER2) the window works on.
inline constexpr unsigned kMemoryCommand = 0x0040;
// Takes the last write back, makes it again (the history's steps).
inline constexpr unsigned kUndoCommand = 0x0060;
inline constexpr unsigned kRedoCommand = 0x0070;
// The setup sheet of what the transmitter holds: printed, saved as PDF.
inline constexpr unsigned kPrintSheetCommand = 0x0080;
inline constexpr unsigned kSheetPdfCommand = 0x0090;

// The program's own commands occupy the upper bits; the low four bits of a command value are
// reserved for the window system and are ignored when the value is recognised.
[[nodiscard]] constexpr bool isAboutCommand(unsigned command) {
    return (command & ~0xFu) == kAboutCommand;
}

class SystemMenu : public QObject {
    Q_OBJECT

public:
    using CommandHandler = std::function<void(unsigned command)>;

    // Watches `window` (and the key and menu events its controls pass on) for the menu's
    // triggers. `handler` receives the command of the chosen item.
    SystemMenu(QWidget* window, CommandHandler handler);
    ~SystemMenu() override;

    void appendSeparator();
    void appendItem(unsigned command, const QString& text);
    // Puts an item (or a separator) at `position` of the menu. An item with a shortcut gets
    // it in the whole window, menu closed or open, and shows it beside its text.
    void insertItem(int position, unsigned command, const QString& text,
                    const QKeySequence& shortcut = {});
    void insertSeparator(int position);
    // The tooltip the menu shows over the item of `command`.
    void setItemToolTip(unsigned command, const QString& tip);
    // Changes the text of the item of `command` (the menu says what it would do now).
    void setItemText(unsigned command, const QString& text);

    // Opens the menu at a global position without waiting for a choice.
    void popup(const QPoint& globalPos);

signals:
    // The menu is about to open: the time to bring its texts up to date.
    void aboutToShow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* makeItem(unsigned command, const QString& text);
    [[nodiscard]] QAction* item(unsigned command) const;

    QWidget* window_;
    QMenu* menu_;
    CommandHandler handler_;
};

}  // namespace pelorin
