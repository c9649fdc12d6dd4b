// The one place where a run's work is spread over the cores: parts that
// the layers below describe (the halves of a sort, the halves of a file's
// read) are run at once, each but the first on a thread of its own. What a
// thread throws is handed back to the run, never left to end the program.
#pragma once

#include <exception>
#include <functional>
#include <span>
#include <thread>

namespace roster {

// Runs the parts and waits for all of them; then throws the first part's
// failure, else that of the first other part that failed.
void RunAtOnce(std::span<const std::function<void()>> parts);

// One piece of work on a thread of its own. Join waits for it and throws
// what it threw; the destructor waits too, so a run that fails on the
// calling thread leaves no thread behind (the work must then come to an end
// by itself). A thread the system cannot start is a lack of memory.
class Worker {
 public:
  explicit Worker(std::function<void()> work);
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;
  ~Worker() = default;  // the thread joins as it goes

  void Join();

 private:
  std::exception_ptr failure_;
  std::jthread thread_;
};

}  // namespace roster
