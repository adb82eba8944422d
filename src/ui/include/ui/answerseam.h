#pragma once

#include <QList>
#include <QQueue>

#include <utility>

// What every modal dialog of the program shares for its tests: while
// recording, no dialog appears; each showing is recorded as a `Shown` and
// answered with the next queued `Answer`, or with the caller's fallback
// when none is queued. Off, it leaves the dialog to the user.
template <class Shown, class Answer>
class AnswerSeam {
 public:
  void Start() {
    *this = AnswerSeam{};
    on_ = true;
  }
  void Stop() { *this = AnswerSeam{}; }
  bool Recording() const { return on_; }

  void Queue(Answer answer) { answers_.enqueue(std::move(answer)); }
  Answer Take(Shown shown, Answer fallback) {
    shown_.append(std::move(shown));
    return answers_.isEmpty() ? std::move(fallback) : answers_.dequeue();
  }

  const QList<Shown>& Recorded() const { return shown_; }
  void ClearRecorded() { shown_.clear(); }

 private:
  bool on_ = false;
  QQueue<Answer> answers_;
  QList<Shown> shown_;
};
