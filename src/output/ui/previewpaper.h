#pragma once

#include <QImage>
#include <QWidget>

// The paper of the print preview: the rendered page at 100 %, scaled to the paper's size.
class TPreviewPaper : public QWidget {
    Q_OBJECT

public:
    explicit TPreviewPaper(QWidget* parent = nullptr);

    const QImage& Page() const { return page_; }
    void SetPage(QImage page);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage page_;
};
