#include "ui/main/solver_runner.h"

#include <QMetaObject>

namespace velmora {

struct SolverRunner::Job {
    Engine position;
    solver::Limits limits;
    Answer answer;
    std::atomic<bool> cancel{false};
};

SolverRunner::~SolverRunner() {
    Cancel();
    Join();
}

void SolverRunner::Start(const Engine& position, const solver::Limits& limits, Answer answer) {
    Cancel();
    // Only one worker at a time: a cancelled search stops within moments.
    Join();
    auto job = std::make_shared<Job>();
    CopyQuietly(position, job->position);
    job->limits = limits;
    job->answer = std::move(answer);
    job_ = job;
    worker_ = std::thread([this, job] {
        const solver::Result result = solver::Solve(job->position, job->limits, &job->cancel);
        // The destructor joins this thread before the object goes, so the
        // queued call always finds it.
        QMetaObject::invokeMethod(this, [this, job, result] { Finish(job, result); }, Qt::QueuedConnection);
    });
}

void SolverRunner::Cancel() {
    if (!job_) return;
    job_->cancel = true;
    job_.reset();
}

void SolverRunner::Finish(const std::shared_ptr<Job>& job, const solver::Result& result) {
    if (job != job_ || job->cancel) return;
    job_.reset();
    Join();
    job->answer(result);
}

void SolverRunner::Join() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace velmora
