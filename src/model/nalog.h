#pragma once
// One tax payment made on a tax notice. No screen edits it; it is kept as loaded.
#include <cstdint>
#include <string>

#include "model/field_list.h"
#include "model/item_stream.h"
#include "storage/money.h"

namespace kvz {

class mTNalog : public mTItemStream<mTNalog> {
public:
    static constexpr const char* kStream = "@NalogSub";
    static constexpr uint16_t kPlaceSave = 375;
    static constexpr uint16_t kPlaceLoad = 376;

    bool operator==(const mTNalog&) const = default;

    std::string PaymentText1;  // the payment's budget classification code
    std::string PaymentText2;  // a note
    Money PaymentAmount;
};

inline constexpr auto kNalogFields =
    FieldList(Field("PaymentText1", &mTNalog::PaymentText1), Field("PaymentText2", &mTNalog::PaymentText2),
              Field("PaymentAmount", &mTNalog::PaymentAmount));
constexpr const auto& FieldsOf(const mTNalog&) { return kNalogFields; }

}  // namespace kvz
