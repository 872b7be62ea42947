#include "workfile/work_file_format.h"

#include <string>
#include <vector>

#include "model/schema.h"

namespace quillex {
namespace {

// One entry names a control, or a numbered row of them (prefix, first, last).
struct OrderEntry {
    std::string_view name;
    int first = 0;
    int last = 0;
};

// The positional layout of the file. The order is historical and differs from the window's.
constexpr OrderEntry kOrder[] = {
    {"Nick"},      {"Clan"},       {"email"},     {"site"},       {"TrackBar1"}, {"TrackBar2"},
    {"TrackBar3"}, {"Edit2"},      {"talk"},      {"c97"},        {"frn"},       {"c98"},
    {"c101"},      {"c99"},        {"c100"},      {"r"},          {"g"},         {"b"},
    {"grav"},      {"c", 1, 3},    {"c7"},        {"c9"},         {"c12"},       {"c", 4, 6},
    {"c10"},       {"c11"},        {"c8"},        {"c", 13, 15},  {"c19"},       {"c18"},
    {"c17"},       {"c16"},        {"c", 20, 31}, {"c55"},        {"c56"},       {"c", 32, 48},
    {"c", 49, 53}, {"c54"},        {"c", 57, 64}, {"c65"},        {"c66"},       {"c67"},
    {"c93"},       {"c92"},        {"c91"},       {"c", 68, 70},  {"c", 71, 82}, {"c89"},
    {"c90"},       {"c96"},        {"c", 83, 88}, {"c94"},        {"c95"},       {"b", 1, 42},
    {"bn", 1, 42}, {"nick", 1, 6}, {"v", 1, 5},   {"h1"},         {"h2"},        {"h"},
    {"c"},         {"net1"},       {"net2"},      {"czn1"},       {"czn2"},      {"zn1"},
    {"zn2"},       {"g", 1, 12},   {"m", 1, 10},  {"ms", 11, 12}, {"z", 1, 14},  {"zx", 1, 14},
};

std::vector<FieldId> ResolveOrder() {
    std::vector<FieldId> ids;
    for (const OrderEntry& entry : kOrder) {
        if (entry.first == 0) {
            ids.push_back(FieldIdOf(entry.name));
            continue;
        }
        for (int n = entry.first; n <= entry.last; ++n) ids.push_back(RowField(entry.name, n));
    }
    return ids;
}

}  // namespace

std::span<const FieldId> WorkFileOrder() {
    static const std::vector<FieldId> order = ResolveOrder();
    return order;
}

}  // namespace quillex
