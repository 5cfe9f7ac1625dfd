#include "ui/EditrepSpinEdit.h"

#include "ui/EditrepNumbers.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

namespace nudgeon {
namespace {

// Enough digits for every value the fields take, few enough to stay a valid int.
constexpr int MaxDigits = 9;

} // namespace

TSpinEdit::TSpinEdit(int minimum, int maximum, int increment, int value, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum), increment_(increment)
{
    SetValue(value);
}

int TSpinEdit::Value() const
{
    return NumberFieldValue(text().toStdString(), minimum_);
}

void TSpinEdit::SetValue(int value)
{
    lineEdit()->setText(QString::number(PullIntoLimits(value, minimum_, maximum_)));
    update();
}

void TSpinEdit::stepBy(int steps)
{
    const long long stepped =
        static_cast<long long>(Value()) + static_cast<long long>(steps) * increment_;
    SetValue(static_cast<int>(std::clamp<long long>(stepped, minimum_, maximum_)));
    selectAll();
}

QValidator::State TSpinEdit::validate(QString& input, int&) const
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]{0,%1}$").arg(MaxDigits));
    return number.match(input).hasMatch() ? QValidator::Acceptable : QValidator::Invalid;
}

QSize TSpinEdit::sizeHint() const
{
    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    int width = 0;
    for (const int limit : {minimum_, maximum_})
        width = std::max(width, metrics.horizontalAdvance(QString::number(limit)));
    // Room for the cursor after the last digit.
    width += 2 + metrics.horizontalAdvance(QLatin1Char(' '));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option,
                                     QSize(width, lineEdit()->sizeHint().height()), this);
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    const int value = Value();
    StepEnabled enabled = StepNone;
    if (value < maximum_)
        enabled |= StepUpEnabled;
    if (value > minimum_)
        enabled |= StepDownEnabled;
    return enabled;
}

void TSpinEdit::focusOutEvent(QFocusEvent* event)
{
    SetValue(Value());
    QAbstractSpinBox::focusOutEvent(event);
}

} // namespace nudgeon
