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
    StopWorker();
    for (const auto& worker : retired_) {
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

void TThreadTimer::SetEnabled(bool value) {
    if (value == enabled_) {
        return;
    }
    if (value) {
        JoinFinished();
        auto worker = std::make_shared<Worker>();
        current_ = worker;
        worker->thread = std::thread([this, worker] { Run(worker); });
        ++threadsStarted_;
    } else {
        StopWorker();
    }
    enabled_ = value;
}

void TThreadTimer::StopWorker() {
    if (!current_) {
        return;
    }
    {
        std::lock_guard<std::mutex> lock(current_->mutex);
        current_->stop = true;
    }
    current_->wake.notify_all();
    retired_.push_back(std::move(current_));
    current_.reset();
}

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
    auto fire = [this] {
        emit timer();
        if (OnTimer) {
            OnTimer(*this);
        }
    };
    if (deliverOnUiThread_) {
        // A tick still queued when the timer is disabled or restarted is dropped here; one
        // queued when it is destroyed is dropped by Qt together with the receiver.
        QMetaObject::invokeMethod(
            this,
            [this, worker, fire] {
                if (current_ == worker && enabled_) {
                    fire();
                }
            },
            Qt::QueuedConnection);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(worker->mutex);
        if (worker->stop) {
            return;
        }
    }
    fire();
}
