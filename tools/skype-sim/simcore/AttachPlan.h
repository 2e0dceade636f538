#pragma once
#include <cstddef>
#include <vector>

#include "simcore/Scenario.h"

namespace skypesim {

// Successive discover broadcasts take successive answers; once used up, every answer is success.
class AttachPlan {
public:
    explicit AttachPlan(std::vector<AttachAnswer> answers) : answers_(std::move(answers)) {}

    AttachAnswer Next() { return next_ < answers_.size() ? answers_[next_++] : AttachAnswer::Success; }

private:
    std::vector<AttachAnswer> answers_;
    std::size_t next_ = 0;
};

}  // namespace skypesim
