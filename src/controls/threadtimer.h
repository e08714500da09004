#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// A timer whose ticks come from a worker thread, so it keeps ticking while the user-interface
// thread is busy. With SetDeliverOnUiThread(true) each tick is posted to the thread the timer
// lives on and runs there; otherwise OnTimer runs on the worker thread.
class TThreadTimer : public QObject {
    Q_OBJECT

public:
    static constexpr int MinInterval = 10;

    explicit TThreadTimer(QObject* parent = nullptr);
    // Stops every worker and waits for it: no tick runs after the destructor returns.
    ~TThreadTimer() override;
    TThreadTimer(const TThreadTimer&) = delete;
    TThreadTimer& operator=(const TThreadTimer&) = delete;

    int Interval() const { return interval_.load(); }
    void SetInterval(int milliseconds);
    bool Enabled() const;
    // May be called from a tick on the worker thread, also while the timer is being destroyed.
    void SetEnabled(bool value);
    bool DeliverOnUiThread() const { return deliverOnUiThread_.load(); }
    void SetDeliverOnUiThread(bool value) { deliverOnUiThread_ = value; }

    // Worker threads started over the timer's life (one per enabling).
    int ThreadsStarted() const;

    std::function<void(TThreadTimer& sender)> OnTimer;

signals:
    void timer();

private:
    struct Worker;
    void Run(const std::shared_ptr<Worker>& worker);
    void Deliver(const std::shared_ptr<Worker>& worker);
    Q_INVOKABLE void FireQueuedTick();
    void Fire();
    void StopWorker();
    void JoinFinished();

    std::atomic<int> interval_{3000};
    std::atomic<bool> deliverOnUiThread_{false};
    // Guards the members below: a worker's tick may turn the timer off or on while the
    // user-interface thread does the same or destroys the timer.
    mutable std::mutex mutex_;
    bool destroying_ = false;
    bool enabled_ = false;
    int threadsStarted_ = 0;
    // Ticks of the current worker posted to the user-interface thread and not yet run.
    int queuedTicks_ = 0;
    std::shared_ptr<Worker> current_;
    std::vector<std::shared_ptr<Worker>> retired_;
};
