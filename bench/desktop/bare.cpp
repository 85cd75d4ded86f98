// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of the desktop benchmark: the least a Qt program can do for the same job. It
// shows a plain dialog with one label, opens the serial device named on the command line at
// the line's settings, writes a ReadRequest and reads (and drops) whatever arrives.
//
//   pelorin_bare_dialog DEVICE

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QSerialPort>
#include <QVBoxLayout>

#include <cstdio>

#include "link/frames.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DEVICE\n", argv[0]);
        return 2;
    }
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("A bare Qt dialog on a serial port"), &dialog));

    QSerialPort port(QString::fromLocal8Bit(argv[1]));
    port.setBaudRate(QSerialPort::Baud115200);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    if (!port.open(QIODevice::ReadWrite)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(port.errorString()));
        return 1;
    }
    QObject::connect(&port, &QSerialPort::readyRead, &port, [&port] { port.readAll(); });
    const pelorin::ReadRequest request = pelorin::readRequest();
    port.write(reinterpret_cast<const char*>(request.data()), static_cast<qint64>(request.size()));
    port.flush();
    dialog.exec();
    return 0;
}
