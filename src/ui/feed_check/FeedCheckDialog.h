#pragma once

#include "feeds/FeedReport.h"
#include "net/DownloadLimits.h"

#include <QDialog>
#include <atomic>
#include <thread>

class QLabel;
class QListWidget;
class QPushButton;

// Checks a feed address on a worker thread and shows what came back: a green line or the
// problems in plain words, the feed's title and description, its item count and newest date,
// and the feeds a web page announces. The window stays responsive; Cancel stops the check.
// What the user takes from the feed leaves through the signals; the caller decides where it
// goes.
class CFeedCheckDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit CFeedCheckDialog(QWidget* parent = nullptr,
                              DownloadLimits limits = DownloadLimits::ForFeedCheck());
    ~CFeedCheckDialog() override;

    // Starts checking `target` (an address or a file); a check still running is cancelled.
    void StartCheck(const QString& target);
    bool IsChecking() const { return m_worker.joinable(); }
    // The last finished check's report.
    const FeedReport& Report() const { return m_report; }
    // Shows "Use category", for a profile that has no category yet.
    void OfferCategory();

signals:
    void UseTitleAndDescription(const QString& title, const QString& description);
    void UseFeedAddress(const QString& address);
    // The feed's first category, and its subcategory when it gives one.
    void UseCategory(const QString& category, const QString& subcategory);

public slots:
    // Escape and Cancel stop a running check as well as closing the window.
    void reject() override;

private:
    void CreateControls();
    void StopWorker();
    void OnFinished(unsigned generation, const FeedReport& report);
    void ShowReport();
    void OnUseTexts();
    void OnUseDiscovered();
    void OnUseCategory();

    DownloadLimits m_limits;
    std::thread m_worker;
    std::atomic<bool> m_cancel{false};
    unsigned m_generation = 0; // of the check running or last started
    FeedReport m_report;
    QLabel* m_statusLabel = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_descriptionLabel = nullptr;
    QLabel* m_itemsLabel = nullptr;
    QLabel* m_categoriesLabel = nullptr;
    QListWidget* m_discoveredList = nullptr;
    QPushButton* m_useDiscoveredButton = nullptr;
    QPushButton* m_useTextsButton = nullptr;
    QPushButton* m_useCategoryButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};
