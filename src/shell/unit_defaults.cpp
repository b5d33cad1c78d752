#include "shell/unit_defaults.h"

#include <algorithm>

#include "common/number_format.h"
#include "platform/platform.h"

namespace pave {

namespace {
// A stored value and a default are the same number as single precision shows it.
bool SameNumber(double a, double b) { return static_cast<float>(a) == static_cast<float>(b); }

std::string Units(bool si) { return si ? "SI units" : "English units"; }

// The fields named in the order of `order`, each with the value it shows.
std::string FieldList(std::vector<std::pair<std::string, double>> fields, const std::vector<std::string>& order) {
  std::stable_sort(fields.begin(), fields.end(), [&](const auto& a, const auto& b) {
    return std::find(order.begin(), order.end(), a.first) < std::find(order.begin(), order.end(), b.first);
  });
  std::string text;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) text += i + 1 == fields.size() ? " and " : ", ";
    text += fields[i].first + " " + BareStr(fields[i].second);
  }
  return text;
}

void AddField(std::vector<std::pair<std::string, double>>& fields, const std::string& field, double value) {
  const auto known = std::find_if(fields.begin(), fields.end(), [&](const auto& f) {
    return f.first == field && SameNumber(f.second, value);
  });
  if (known == fields.end()) fields.emplace_back(field, value);
}
}  // namespace

UnitDefaultReview ReviewUnitDefaults(const ArrayDirectory& arrays, int set, const std::vector<UnitDefault>& entries,
                                     bool si) {
  UnitDefaultReview review;
  for (const UnitDefault& entry : entries) {
    if (std::find(review.fields.begin(), review.fields.end(), entry.field) == review.fields.end())
      review.fields.push_back(entry.field);
    const Value v = arrays[entry.array].Get(set, entry.index);
    if (v.IsEmpty()) continue;
    const double number = v.Number();
    bool old_default = false, new_default = false;
    double wanted = 0;
    for (const auto& [english, metric] : entry.values) {
      if (SameNumber(number, si ? english : metric)) {
        old_default = true;
        wanted = si ? metric : english;
      }
      if (SameNumber(number, si ? metric : english)) new_default = true;
    }
    if (new_default) continue;
    if (old_default) {
      review.at_old_defaults.emplace_back(&entry, wanted);
    } else if (entry.in_use && !(v.IsNumber() && number == 0)) {   // 0 is 0 in either system
      review.entered.emplace_back(&entry, v);
    }
  }
  return review;
}

std::string UnitDefaultQuestion(const UnitDefaultReview& review, bool si) {
  if (review.at_old_defaults.empty()) return {};
  std::vector<std::pair<std::string, double>> now, then;
  for (const auto& [entry, wanted] : review.at_old_defaults) {
    for (const auto& [english, metric] : entry->values) {
      if (SameNumber(si ? metric : english, wanted)) AddField(now, entry->field, si ? english : metric);
    }
    AddField(then, entry->field, wanted);
  }
  return "NUNIT is now " + std::string(si ? "1" : "0") + " (" + Units(si) + "), but " +
         FieldList(now, review.fields) + " still hold the defaults for " + Units(!si) +
         ".  Do you want them set to the defaults for " + Units(si) + " (" + FieldList(then, review.fields) +
         ")?  No other value is converted.  No: they stay as they are.  Cancel: nothing is "
         "stored, NUNIT included, and the form stays open.";
}

std::string UnitDefaultNote(const UnitDefaultReview& review, bool si) {
  if (review.entered.empty()) return {};
  constexpr std::size_t kNamed = 8;
  std::string names;
  for (std::size_t i = 0; i < review.entered.size() && i < kNamed; ++i) {
    const auto& [entry, value] = review.entered[i];
    if (i > 0) names += ", ";
    names += entry->field + (entry->owner.empty() ? "" : " of " + entry->owner) + " (" + value.Text() + ")";
  }
  if (review.entered.size() > kNamed) names += " and " + std::to_string(review.entered.size() - kNamed) + " more";
  return "These values were entered for " + Units(!si) + " and are not converted: " + names +
         ".  Please check them for " + Units(si) + ".";
}

bool OfferUnitDefaults(const ArrayDirectory& arrays, int set, const std::vector<UnitDefault>& entries, bool si,
                       const std::string& title) {
  const UnitDefaultReview review = ReviewUnitDefaults(arrays, set, entries, si);
  const std::string question = UnitDefaultQuestion(review, si);
  const std::string note = UnitDefaultNote(review, si);
  if (question.empty()) {
    if (!note.empty()) platform().messages().Tell(note, title);
    return true;
  }
  const std::string text = note.empty() ? question : note + "  " + question;
  switch (platform().messages().Show(text, MessageButtons::YesNoCancel, title)) {
    case MessageAnswer::Yes:
      for (const auto& [entry, wanted] : review.at_old_defaults)
        arrays[entry->array].Put(set, entry->index, Value(wanted));
      return true;
    case MessageAnswer::No:
      return true;
    default:
      return false;
  }
}

}  // namespace pave
