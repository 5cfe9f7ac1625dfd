// TGraphicPanel: a light panel that shows one line of caption inside optional bevels.
#pragma once

#include "controls/Alignment.h"

#include <QColor>
#include <QWidget>

namespace nudgeon {

class TGraphicPanel : public QWidget {
    Q_OBJECT

public:
    enum TPanelBevel { bvNone, bvLowered, bvRaised };
    enum TBorderStyle { bsNone, bsSingle };

    explicit TGraphicPanel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    // Repaints only when the text differs from the one shown.
    void SetCaption(const QString& caption);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel bevel);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);

signals:
    void Click(nudgeon::TGraphicPanel* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    TAlignment alignment_ = taCenter;
    TPanelBevel bevelOuter_ = bvRaised;
    TPanelBevel bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    QColor color_;
    QColor fontColor_;
    bool pressed_ = false;
};

} // namespace nudgeon
