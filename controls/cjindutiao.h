#pragma once
// CJinDuTiao: the translucent progress window shown while the link reads or writes the whole
// parameter table and during an update.  The bar of bitmap 133 is revealed over the empty bar
// of bitmap 132 from x 27 for 489 px; a title line sits above and the percentage text below.

#include <QPoint>
#include <QString>
#include <QWidget>

#include "controls/mem_dc_class.h"

namespace velto {

class CJinDuTiao : public QWidget {
    Q_OBJECT
  public:
    // `owner` is the window it centres over (may be null).
    explicit CJinDuTiao(QWidget* owner = nullptr);

    // The count that is 100 %.
    void SetTotal(int total);
    int Total() const { return total_; }
    // Redraws for progress n of the total (clamped to 0 ... total).
    void SetProgress(int n);
    void SetTexts(const QString& progressFormat, const QString& title, int n);
    void SetProgressFormat(const QString& format);

    int Progress() const { return progress_; }
    // Width of bitmap 133 that the last SetProgress revealed.
    int RevealedWidth() const { return revealed_; }
    QString Text() const { return text_; }
    QString Title() const { return title_; }
    // The composed picture the window shows.
    const QImage& Picture() const { return surface_.Image(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void CentreOverOwner();

    QWidget* owner_;
    int total_ = 100;
    int progress_ = 0;
    int revealed_ = 0;
    QString format_;
    QString title_;
    QString text_;
    CMemDcClass surface_;
    QPoint dragOffset_;
};

}  // namespace velto
