#pragma once
// Holds back keyboard and mouse input from the whole application while an
// animation runs. Optionally a key or button press becomes a stop request
// (the winning animation ends on any key or click).

#include <QObject>

#include <functional>
#include <utility>

namespace velmora {

class InputFilter : public QObject {
public:
    explicit InputFilter(std::function<void()> on_stop_request = {});
    ~InputFilter() override;  // removes itself

    // Input for which `passes` says true goes through even during a hold:
    // a window opened over the held one (a message box, say) stays usable.
    void SetPassThrough(std::function<bool(QObject*)> passes) { passes_ = std::move(passes); }

    void Install();
    // Lets input that arrived during the last wait reach the filter (and be
    // dropped) before the filter goes, so none of it leaks through.
    void Remove();
    bool Installed() const { return installed_; }
    bool StopRequested() const { return stop_requested_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> on_stop_request_;
    std::function<bool(QObject*)> passes_;
    bool installed_ = false;
    bool stop_requested_ = false;
};

}  // namespace velmora
