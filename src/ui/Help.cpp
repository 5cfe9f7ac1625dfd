#include "ui/Help.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <array>

// The pages live in a static library, whose resources are only linked in when asked for.
static void InitHelpPages()
{
    Q_INIT_RESOURCE(help_pages);
}

namespace nudgeon {
namespace {

struct HelpTopic {
    int ContextNumber;
    const char* Page;
};

constexpr std::array<HelpTopic, 5> Topics{{
    {HelpMainWindow, "main.html"},
    {HelpOneTimeEditor, "onetime.html"},
    {HelpRepeatingEditor, "repeating.html"},
    {HelpTimeSetDialog, "timeset.html"},
    {HelpPreferences, "preferences.html"},
}};

constexpr const char* ContentsPage = "index.html";

QUrl PageUrl(const char* page)
{
    return QUrl(QString("qrc:/help/") + QString::fromLatin1(page));
}

class THelpWindow : public QWidget {
public:
    explicit THelpWindow(QWidget* owner) : QWidget(owner, Qt::Window)
    {
        if (owner == nullptr)
            setAttribute(Qt::WA_DeleteOnClose);
        setObjectName("HelpWindow");
        setWindowTitle("Nudgeon! Help");
        browser_ = new QTextBrowser(this);
        browser_->setObjectName("HelpBrowser");
        browser_->setOpenExternalLinks(true);

        auto* contents = new QPushButton("&Contents", this);
        contents->setObjectName("HelpContentsButton");
        auto* back = new QPushButton("&Back", this);
        back->setObjectName("HelpBackButton");
        auto* forward = new QPushButton("&Forward", this);
        forward->setObjectName("HelpForwardButton");
        auto* close = new QPushButton("C&lose", this);
        close->setObjectName("HelpCloseButton");
        back->setEnabled(false);
        forward->setEnabled(false);

        connect(contents, &QPushButton::clicked, this,
                [this] { browser_->setSource(PageUrl(ContentsPage)); });
        connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
        connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
        connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
        connect(close, &QPushButton::clicked, this, &QWidget::close);
        new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

        auto* buttons = new QHBoxLayout;
        for (QPushButton* button : {contents, back, forward})
            buttons->addWidget(button);
        buttons->addStretch(1);
        buttons->addWidget(close);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(buttons);
        layout->addWidget(browser_, 1);
        resize(640, 560);
    }

    void ShowTopic(const QUrl& url, QWidget* parent)
    {
        // A window opened from a modal dialog must be modal itself, or the dialog's
        // modality would block it.
        const Qt::WindowModality modality = QApplication::activeModalWidget() != nullptr &&
                                                    QApplication::activeModalWidget() != this
                                                ? Qt::ApplicationModal
                                                : Qt::NonModal;
        if (modality != windowModality()) {
            hide();
            setWindowModality(modality);
        }
        if (browser_->source() != url)
            browser_->setSource(url);
        if (!isVisible() && parent != nullptr)
            move(parent->window()->frameGeometry().topLeft() + QPoint(40, 40));
        show();
        raise();
        activateWindow();
    }

private:
    QTextBrowser* browser_ = nullptr;
};

QPointer<THelpWindow>& TheHelpWindow()
{
    static QPointer<THelpWindow> window;
    return window;
}

// The program's outermost window above the widget, which keeps the help window.
QWidget* OwnerOf(QWidget* widget)
{
    if (widget == nullptr)
        return nullptr;
    QWidget* root = widget->window();
    while (root->parentWidget() != nullptr)
        root = root->parentWidget()->window();
    return root;
}

} // namespace

QUrl HelpTopicUrl(int contextNumber)
{
    for (const HelpTopic& topic : Topics)
        if (topic.ContextNumber == contextNumber)
            return PageUrl(topic.Page);
    return PageUrl(ContentsPage);
}

QWidget* HelpWindow()
{
    return TheHelpWindow().data();
}

void ShowHelpTopic(int contextNumber, QWidget* parent)
{
    QPointer<THelpWindow>& window = TheHelpWindow();
    QWidget* owner = OwnerOf(parent);
    if (!window.isNull() && owner != nullptr && window->parentWidget() != owner)
        window->setParent(owner, Qt::Window);
    if (window.isNull()) {
        InitHelpPages();
        // Owned by the main window; without one it deletes itself when closed.
        window = new THelpWindow(owner);
    }
    window->ShowTopic(HelpTopicUrl(contextNumber), parent);
}

} // namespace nudgeon
