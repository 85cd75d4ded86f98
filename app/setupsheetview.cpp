// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/setupsheetview.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>

#include "connection/transmitterconnection.h"
#include "dialogkit/messages.h"

namespace pelorin {

namespace {
constexpr int kPageMargin = 8;  // grey around the page
}  // namespace

SetupSheetView::SetupSheetView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("setupSheet"));
    setAccessibleName(tr("Setup sheet"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SetupSheetView::setSubject(const SheetSubject& subject) {
    subject_ = subject;
    setAccessibleDescription(setupSheetText(subject_));
    update();
}

QRectF SetupSheetView::pageRect() const {
    const QSizeF paper = QPageSize(setupSheetPaper()).size(QPageSize::Millimeter);
    const QRectF room =
        QRectF(rect()).adjusted(kPageMargin, kPageMargin, -kPageMargin, -kPageMargin);
    if (room.isEmpty() || paper.isEmpty())
        return {};
    const QSizeF page = paper.scaled(room.size(), Qt::KeepAspectRatio);
    return {room.center() - QPointF(page.width() / 2, page.height() / 2), page};
}

QSize SetupSheetView::sizeHint() const {
    return {440, 620};
}

void SetupSheetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(QPalette::Mid));
    paintSetupSheet(painter, pageRect(), subject_);
}

QString setupSheetFileName(const QString& modelName) {
    static const QRegularExpression kNotInNames(QStringLiteral(R"([/\\:*?"<>|\x00-\x1F])"));
    QString name = QString(modelName).replace(kNotInNames, QStringLiteral("_")).trimmed();
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(SetupSheetView::tr("setup sheet"));
    return name + QStringLiteral(".pdf");
}

SheetSubject transmitterSheet(const TransmitterConnection& connection) {
    return SheetSubject{.name = SetupSheetView::tr("Transmitter"),
                        .notes = {},
                        .memory = connection.userMemory(),
                        .block = connection.session().blockBytes};
}

void printSetupSheet(QWidget* parent, const SheetSubject& subject) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(setupSheetPaper()));
    printer.setDocName(subject.name);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(SetupSheetView::tr("Print setup sheet"));
    // The preview runs its own event loop: it draws from a copy.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [sheet = subject](QPrinter* target) {
                         QPainter painter(target);
                         paintSetupSheet(
                             painter,
                             QRectF(QPointF(0, 0), target->pageRect(QPrinter::DevicePixel).size()),
                             sheet);
                     });
    preview.exec();
}

void saveSetupSheetPdf(QWidget* parent, const SheetSubject& subject) {
    const SheetSubject sheet = subject;  // the file dialog runs an event loop
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = QFileDialog::getSaveFileName(
        parent, SetupSheetView::tr("Save setup sheet as PDF"),
        QDir(folder).filePath(setupSheetFileName(sheet.name)),
        SetupSheetView::tr("PDF documents (*.pdf)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    const QString error = writeSetupSheetPdf(path, sheet);
    if (!error.isEmpty())
        showMessage(parent, error);
}

void copySetupSheetText(const SheetSubject& subject) {
    QGuiApplication::clipboard()->setText(setupSheetText(subject));
}

}  // namespace pelorin
