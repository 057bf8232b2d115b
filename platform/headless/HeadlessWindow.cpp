#include "platform/headless/HeadlessWindow.h"

#include <algorithm>

HeadlessFrame::HeadlessFrame(FrameClient& client, const String& className, const String& caption)
    : client_(client), className_(className), caption_(caption) {}

HeadlessFrame::~HeadlessFrame() {
    auto& frames = TheHeadlessWindowSystem().frames_;
    frames.erase(std::remove(frames.begin(), frames.end(), this), frames.end());
    if (TheHeadlessWindowSystem().lastFrame_ == this) TheHeadlessWindowSystem().lastFrame_ = nullptr;
}

void HeadlessFrame::AddShortcut(int32_t key, int32_t modifiers, int32_t command) {
    shortcuts_.push_back({key, modifiers, command});
}

void HeadlessFrame::StartTimer(int32_t id, int32_t milliseconds) {
    StopTimer(id);
    timers_.push_back({id, milliseconds});
}

void HeadlessFrame::StopTimer(int32_t id) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [id](const Timer& t) { return t.id == id; }),
                  timers_.end());
}

void HeadlessFrame::Close() {
    if (exists_ && client_.OnFrameQueryClose()) Destroy();
}

void HeadlessFrame::Destroy() {
    if (!exists_) return;
    exists_ = false;
    visible_ = false;
    posted_.clear();
    client_.OnFrameDestroyed();
}

bool HeadlessFrame::DispatchOne() {
    if (!exists_ || posted_.empty()) return false;
    int32_t command = posted_.front();
    posted_.pop_front();
    client_.OnFrameCommand(command);
    return true;
}

bool HeadlessWindowSystem::RegisterFrameClass(const String& className) {
    if (!refusedClass_.IsEmpty() && refusedClass_ == className) return false;
    registered_.push_back(className);
    return true;
}

std::unique_ptr<FrameHost> HeadlessWindowSystem::CreateFrame(FrameClient& client,
                                                             const String& className,
                                                             const String& caption) {
    if (std::find(registered_.begin(), registered_.end(), className) == registered_.end()) {
        return nullptr;
    }
    auto frame = std::make_unique<HeadlessFrame>(client, className, caption);
    frames_.push_back(frame.get());
    lastFrame_ = frame.get();
    return frame;
}

int32_t HeadlessWindowSystem::ProcessPendingMessages(int32_t maxCount) {
    int32_t done = 0;
    while (done < maxCount) {
        bool any = false;
        for (HeadlessFrame* frame : std::vector<HeadlessFrame*>(frames_)) {
            if (done < maxCount && frame->DispatchOne()) {
                ++done;
                any = true;
            }
        }
        if (!any) break;
    }
    return done;
}

void HeadlessWindowSystem::RunMessageLoop(FrameHost& host, FrameClient& client) {
    auto& frame = static_cast<HeadlessFrame&>(host);
    // Nothing outside the test can send messages, so when the queue is dry, idle
    // work is done and the user script has nothing more to say, the loop ends.
    for (int32_t turn = 0; frame.Exists(); ++turn) {
        while (frame.DispatchOne()) {
        }
        if (!frame.Exists()) break;
        if (client.OnFrameIdle()) continue;
        if (!userScript_) break;
        userScript_(frame, turn);
        if (frame.Posted().empty()) break;
    }
}

void HeadlessWindowSystem::Reset() {
    registered_.clear();
    refusedClass_ = String();
    wakeUps_ = 0;
    arrowCursorShown_ = false;
    busyCursorCalls_.clear();
    userScript_ = nullptr;
}

HeadlessWindowSystem& TheHeadlessWindowSystem() {
    static HeadlessWindowSystem system;
    return system;
}
