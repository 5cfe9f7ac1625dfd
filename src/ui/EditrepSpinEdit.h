// TSpinEdit: a whole-number field with up and down arrows that lets any number be typed and
// keeps its limits only when set by code, stepped or left.
#pragma once

#include <QAbstractSpinBox>

namespace nudgeon {

// Unlike QSpinBox, a typed number outside the limits stays as typed until the field loses the
// focus, so a dialog's default button pressed with Enter sees it unchanged.
class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT

public:
    TSpinEdit(int minimum, int maximum, int increment, int value, QWidget* parent = nullptr);

    // The text as a whole number; the minimum when the text is no number.
    int Value() const;
    // Shows the value brought into the limits.
    void SetValue(int value);
    int MinValue() const { return minimum_; }
    int MaxValue() const { return maximum_; }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    // Wide enough for the longest number the limits allow.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int minimum_;
    int maximum_;
    int increment_;
};

} // namespace nudgeon
