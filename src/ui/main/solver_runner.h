#pragma once
// One search of the solver at a time, on a worker thread, for the window.
// The engine is not thread-safe: Start copies it quietly on the calling
// (window) thread and hands the copy to the worker. The answer comes back
// on the window thread, unless the search was cancelled first (a move, an
// undo, a new deal, closing), in which case it is dropped.

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "engine/model/engine.h"
#include "solver/search.h"

namespace velmora {

class SolverRunner : public QObject {
  public:
    using Answer = std::function<void(const solver::Result&)>;

    explicit SolverRunner(QObject* parent = nullptr) : QObject(parent) {}
    // Cancels a running search and waits for its thread.
    ~SolverRunner() override;

    // Cancels the search under way, then searches from `position`; `answer`
    // runs on this object's thread once the search ends uncancelled.
    void Start(const Engine& position, const solver::Limits& limits, Answer answer);
    // The search under way stops soon and its answer is dropped.
    void Cancel();
    bool Running() const { return job_ != nullptr; }

  private:
    struct Job;
    void Finish(const std::shared_ptr<Job>& job, const solver::Result& result);
    void Join();

    std::shared_ptr<Job> job_;  // the search whose answer is awaited
    std::thread worker_;
};

}  // namespace velmora
