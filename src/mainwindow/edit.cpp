#include "mainwindow/edit.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/colorref.h"
#include "render/facefont.h"

TfEdit::TfEdit(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("fEdit");
    setWindowTitle("Edit");
    resize(419, 219);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName("Memo");
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo);
    // The window sees keys before the edit box, so Esc closes it wherever the focus is.
    Memo->installEventFilter(this);
}

void TfEdit::SetEditFont(const QFont& font) {
    QFont plain = font;
    plain.setBold(false);
    plain.setItalic(false);
    plain.setUnderline(false);
    Memo->setFont(plain);
}

void TfEdit::SetEditFace(const platform::ResolvedFace& face, int pointSize) {
    QFont font = FaceFont(face);
    font.setPointSize(pointSize > 0 ? pointSize : 12);
    Memo->setFont(font);
}

void TfEdit::SetEditColors(const QColor& text, const QColor& background) {
    QPalette p = Memo->palette();
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Base, background);
    Memo->setPalette(p);
}

void TfEdit::SetEditColors(std::uint32_t textRef, std::uint32_t backgroundRef) {
    SetEditColors(ColorFromRef(textRef), ColorFromRef(backgroundRef));
}

bool TfEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
