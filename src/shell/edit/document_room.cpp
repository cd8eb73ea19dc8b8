#include "shell/edit/document_room.h"

#include "core/text/editor_surface.h"
#include "platform/message_box.h"
#include "shell/files/document_files.h"
#include "shell/shared_procedures.h"

bool FitsInADocument(qint64 length) {
    return length <= LargestDocumentSize;
}

bool InsertionFits(const QString& title, const QString& what, qint64 keptLength,
                   qint64 addedLength) {
    const qint64 resulting = keptLength + addedLength;
    if (FitsInADocument(resulting))
        return true;
    (void)ShowMessageBox(
        QStringLiteral("%1 nelze vložit: dokument by pak měl %2 znaků, smí jich "
                       "však mít nejvýš %3, jinak by ho již nešlo otevřít.")
            .arg(what, QString::number(resulting), QString::number(LargestDocumentSize)),
        title, MessageBoxButtons::Ok, MessageBoxIcon::None);
    return false;
}

bool ClipboardTextFits(qint64 keptLength, qint64 clipboardLength) {
    return InsertionFits(QStringLiteral("Vložení"),
                         QStringLiteral("Text ze schránky (%1 znaků)").arg(clipboardLength),
                         keptLength, clipboardLength);
}

bool InsertedTextFits(const EditorSurface& surface, qint64 insertedLength) {
    return InsertionFits(QStringLiteral("Vložení"),
                         QStringLiteral("Vkládaný text (%1 znaků)").arg(insertedLength),
                         qint64{surface.textLength()} - surface.selLength(), insertedLength);
}
