// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial errors that come without a call (the line failing under an open port), shown as
// one message per burst: a line that keeps failing gives one box, not one for every error.

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace pelorin {

class TransmitterConnection;

class SerialErrorReporter : public QObject {
    Q_OBJECT

public:
    // Reports the errors of `connection` over `window`, and follows its line.
    SerialErrorReporter(QWidget* window, const TransmitterConnection& connection);

    // Takes an error as the control reports it. The first of a burst is shown once the
    // control's own signal has returned; the ones that follow while it waits or is up are
    // counted in it. Once the box is closed, the next error starts a new burst.
    void report(const QString& text);

    // Frames arrive again: a box still up is closed, as what it says no longer holds (the
    // window's line text has already said the line is back).
    void lineBack();

    // The text the box of the current burst shows: its first error and how many followed.
    [[nodiscard]] QString burstText() const;

private:
    void showBurst();

    QWidget* window_;
    QString first_;
    int more_ = 0;
    bool inBurst_ = false;  // a box is waiting to be shown or is up
    QPointer<QMessageBox> box_;
};

}  // namespace pelorin
