// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/serialsettingdialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <utility>
#include <vector>

#include "dialogkit/messages.h"
#include "link/session.h"

namespace pelorin {

namespace {
constexpr int kWidthDlu = 162;
constexpr int kHeightDlu = 46;
constexpr int kPointSize = 9;
}  // namespace

int portNumberForName(const PortTable& table, const QString& text) {
    for (int i = 0; i < kProbedPortCount; ++i) {
        if (QString::fromStdString(table.portDisplayNames[static_cast<std::size_t>(i)]) == text) {
            return i + 1;
        }
    }
    return 1;
}

QString portToolTip(const PortTable& table, int portNumber) {
    const auto index = static_cast<std::size_t>(portNumber - 1);
    const QString device = QString::fromStdString(table.portDeviceNames[index]);
    const QString description = QString::fromStdString(table.descriptions[index]);
    return description.isEmpty() ? device : device + QStringLiteral(" \u2013 ") + description;
}

SerialSettingDialog::SerialSettingDialog(Session& session, QWidget* parent)
    : TemplateDialog(tr("Serial Setting"), kWidthDlu, kHeightDlu, kPointSize, Frame::Main, parent),
      session_(session) {
    // An editable drop-down: the list offers the ports that open, the field takes any text.
    portBox_ = new QComboBox(this);
    portBox_->setEditable(true);
    // The list holds only what the program put there; a typed name is never added to it, and
    // nothing is completed behind the user's back.
    portBox_->setInsertPolicy(QComboBox::NoInsert);
    portBox_->setCompleter(nullptr);
    QRect geometry = dluToPixels({10, 14, 80, 90});
    geometry.setHeight(portBox_->sizeHint().height());
    portBox_->setGeometry(geometry);
    registerControl(kPortBoxId, portBox_);
    portBox_->setAccessibleName(tr("Serial port"));
    // Return in the field means OK, as in every other dialog.
    portBox_->lineEdit()->installEventFilter(this);

    addButton(kIdOk, tr("OK"), {104, 7, 50, 14}, true);
    addButton(kIdCancel, tr("Cancel"), {104, 25, 50, 14});
}

void SerialSettingDialog::initDialog() {
    portBox_->clear();
    const std::vector<int> ports = session_.probeAvailablePorts();
    const PortTable& table = session_.portTable();

    struct Entry {
        QString name;
        QString toolTip;
    };
    std::vector<Entry> entries;
    for (const int port : ports) {
        entries.push_back(
            {QString::fromStdString(table.portDisplayNames[static_cast<std::size_t>(port - 1)]),
             portToolTip(table, port)});
    }
    // The list keeps itself in alphabetical order: "COM12" comes before "COM3".
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
    });
    for (const Entry& entry : entries) {
        portBox_->addItem(entry.name);
        portBox_->setItemData(portBox_->count() - 1, entry.toolTip, Qt::ToolTipRole);
    }
    // The first entry is selected; with no entry the field stays empty.
    portBox_->setCurrentIndex(entries.empty() ? -1 : 0);
    if (entries.empty())
        portBox_->setEditText(QString());
}

void SerialSettingDialog::accept() {
    // Only a port of the list: a typing mistake must not open another port (and another
    // transmitter, which would then be asked for its settings). Names compare exactly.
    const QString text = portBox_->currentText();
    if (portBox_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        QStringList names;
        for (int i = 0; i < portBox_->count(); ++i)
            names << portBox_->itemText(i);
        showMessage(this, names.isEmpty()
                              ? tr("No serial port can be opened now. Connect the transmitter "
                                   "and open this window again, or press Cancel to keep the "
                                   "port used so far.")
                              : tr("\u201C%1\u201D is not a port that can be opened now. Choose "
                                   "one of the list: %2.")
                                    .arg(text, names.join(QStringLiteral(", "))));
        portBox_->setFocus(Qt::OtherFocusReason);
        portBox_->lineEdit()->selectAll();
        return;
    }
    selectedPort = portNumberForName(session_.portTable(), text);
    TemplateDialog::accept();
}

bool SerialSettingDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == portBox_->lineEdit() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !portBox_->view()->isVisible()) {
            accept();
            return true;
        }
    }
    return TemplateDialog::eventFilter(watched, event);
}

}  // namespace pelorin
