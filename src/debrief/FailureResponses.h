// Which of the trainee's actions answer which failure: one row per option, as an
// instructor would mark a drill. The first of these actions after a failure came into force
// is the trainee's response to it.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace loopsim {

struct FailureResponse {
    int option;                             // an elements::FailureOption
    const char* key;                        // the failure's name in reports and pass marks
    const char* answeredBy;                 // what the trainee is expected to do, in words
    std::span<const char* const> elements;  // the elements whose actions count
};

std::span<const FailureResponse> failureResponses();
// The row of an option; none for an option that is not a failure.
const FailureResponse* failureResponse(int option);
// The option's name in a debrief: its caption, with its frame where the caption alone does
// not say which part failed ("Manual Oxygen Injector: Physical Failure").
std::string failureName(int option);
// Whether an action on the element answers the failure.
bool answers(const FailureResponse& failure, std::string_view element);

}  // namespace loopsim
