#include "controls/threadtimer.h"

#include <QMetaObject>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// One worker per enabling. Each has its own stop flag, so a worker that is still in its wait
// after a quick disable/enable can never come back to life beside the new one.
struct TThreadTimer::Worker {
    std::mutex mutex;
    std::condition_variable wake;
    bool stop = false;
    std::atomic<bool> finished{false};
    std::thread thread;
};

TThreadTimer::TThreadTimer(QObject* parent) : QObject(parent) {}

TThreadTimer::~TThreadTimer() {
    std::vector<std::shared_ptr<Worker>> workers;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        destroying_ = true;
        StopWorker();
        enabled_ = false;
        workers.swap(retired_);
    }
    // Joined without the lock: a tick running now may still turn this timer off, and it ends
    // before the members go.
    for (const auto& worker : workers) {
        if (worker->thread.get_id() == std::this_thread::get_id()) {
            worker->thread.detach();
        } else if (worker->thread.joinable()) {
            worker->thread.join();
        }
    }
}

void TThreadTimer::SetInterval(int milliseconds) {
    interval_ = milliseconds;
}

bool TThreadTimer::Enabled() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return enabled_;
}

int TThreadTimer::ThreadsStarted() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return threadsStarted_;
}

void TThreadTimer::SetEnabled(bool value) {
    const std::lock_guard<std::mutex> lock(mutex_);
    // A tick that meets the destruction must not start a worker nobody would join.
    if (value == enabled_ || destroying_) {
        return;
    }
    if (value) {
        JoinFinished();
        auto worker = std::make_shared<Worker>();
        {
            // The worker begins by taking this lock, so it finds its thread object complete
            // when a tick of it destroys the timer.
            const std::lock_guard<std::mutex> workerLock(worker->mutex);
            worker->thread = std::thread([this, worker] { Run(worker); });
        }
        current_ = std::move(worker);
        ++threadsStarted_;
    } else {
        StopWorker();
    }
    enabled_ = value;
}

// The caller holds mutex_.
void TThreadTimer::StopWorker() {
    if (!current_) {
        return;
    }
    {
        const std::lock_guard<std::mutex> lock(current_->mutex);
        current_->stop = true;
    }
    current_->wake.notify_all();
    queuedTicks_ = 0;
    retired_.push_back(std::move(current_));
    current_.reset();
}

// The caller holds mutex_. Only workers that have left their loop are joined, so this never
// waits for a tick.
void TThreadTimer::JoinFinished() {
    auto done = std::stable_partition(retired_.begin(), retired_.end(),
                                      [](const auto& worker) { return !worker->finished.load(); });
    for (auto it = done; it != retired_.end(); ++it) {
        if ((*it)->thread.joinable()) {
            (*it)->thread.join();
        }
    }
    retired_.erase(done, retired_.end());
}

void TThreadTimer::Run(const std::shared_ptr<Worker>& worker) {
    for (;;) {
        std::unique_lock<std::mutex> lock(worker->mutex);
        // A tick handler may have destroyed the timer; the worker's own stop flag says so
        // before anything of the timer is read again.
        if (worker->stop) {
            break;
        }
        const auto wait = std::chrono::milliseconds(std::max(interval_.load(), MinInterval));
        if (worker->wake.wait_for(lock, wait, [&] { return worker->stop; })) {
            break;
        }
        lock.unlock();
        Deliver(worker);
    }
    worker->finished = true;
}

void TThreadTimer::Deliver(const std::shared_ptr<Worker>& worker) {
    if (deliverOnUiThread_) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (current_ != worker) {
                return;
            }
            ++queuedTicks_;
        }
        // Queued by name, so the call carries nothing written on this thread: the tick reads
        // all it needs from the timer under its lock.
        QMetaObject::invokeMethod(this, "FireQueuedTick", Qt::QueuedConnection);
        return;
    }
    {
        const std::lock_guard<std::mutex> lock(worker->mutex);
        if (worker->stop) {
            return;
        }
    }
    Fire();
}

void TThreadTimer::FireQueuedTick() {
    {
        // A tick still queued when the timer was disabled or restarted is dropped here; one
        // queued when it was destroyed is dropped by Qt together with the receiver.
        const std::lock_guard<std::mutex> lock(mutex_);
        if (queuedTicks_ == 0) {
            return;
        }
        --queuedTicks_;
    }
    Fire();
}

void TThreadTimer::Fire() {
    emit timer();
    if (OnTimer) {
        OnTimer(*this);
    }
}
