// While a QuietMessages lives, the messages its thread raises are shown
// nowhere: a load that takes its choices from the host reports its failure in
// its result instead, on whatever thread it runs.
#pragma once

namespace welldata {

class QuietMessages {
public:
    QuietMessages();
    ~QuietMessages();
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;

    // Whether a QuietMessages lives on the calling thread.
    static bool IsActive();
};

} // namespace welldata
