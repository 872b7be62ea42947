#include "compiler/row_fields.h"

namespace quillex {
namespace {

RowFields Resolve() {
    RowFields rows{};
    for (int k = 1; k <= kActionRows; ++k) {
        rows.actionKeys[k - 1] = RowField("b", k);
        rows.actionSecondKeys[k - 1] = RowField("bn", k);
    }
    for (int n = 1; n <= kMessageRows; ++n)
        rows.messages[n - 1] = {RowField("g", n), MessageField(n)};
    for (int n = 1; n <= kNickSwitches; ++n) rows.nicks[n - 1] = RowField("nick", n);
    for (int n = 1; n <= kBuyRows; ++n) rows.buys[n - 1] = {RowField("z", n), RowField("zx", n)};
    rows.attackKey = RowField("b", 10);
    rows.duckKey = RowField("b", 28);
    return rows;
}

}  // namespace

const RowFields& Rows() {
    static const RowFields rows = Resolve();
    return rows;
}

}  // namespace quillex
