// recalc_bench: times the launcher's recalculation of the order form, with
// the launcher's own code (the settings file's snapshot, the string table)
// and the real form engine. Sits beside VelInst.ini on a disc, opens the
// [General] "Orderform Dtp" template, types quantities and runs
// RecalculateOrderForm again and again, in an operation of its own as the
// timer's tick runs it: after a quantity changed, and again on the form as
// it then stands.
//
//   recalc_bench RUNS
//
// Prints runs=, median_us=, p90_us=, min_us=, max_us= (the form as it stands),
// the same after a change (changed_median_us= and so on), the medians of its two
// halves (reading and pricing: read_us=; writing back: write_us=), of the
// first settings read of an operation (look_us=), of one read from the
// snapshot (key_us=), of one field written with a new text (field_us=) and
// with the text it shows (same_us=), and the total the form shows (total=),
// tab-separated. Exit codes: 0 done, 1
// failed, 2 bad usage.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "customer/customer_record.h"
#include "forms/form_engine.h"
#include "order/order_form.h"
#include "order/order_pricing.h"
#include "resources/texts.h"
#include "settings/paths.h"
#include "settings/settings.h"
#include "settings/settings_path.h"
#include "text/bounded.h"

namespace {

const char kOwnerClass[] = "VelInstRecalcBench";

HWND MakeOwner() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kOwnerClass;
  RegisterClassA(&windowClass);
  return CreateWindowA(kOwnerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                       windowClass.hInstance, nullptr);
}

// The form engine's messages queued while the form opened.
void HandleMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1e6 /
         static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> &times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char **argv) {
  const int runs = argc == 2 ? atoi(argv[1]) : 0;
  if (runs <= 0) {
    fprintf(stderr, "usage: recalc_bench RUNS\n");
    return 2;
  }
  char path[kPathCapacity];
  HWND owner = MakeOwner();
  if (owner == nullptr || !VORM_Init(nullptr) || !BuildSettingsPath() ||
      !BuildDiscPath(kGeneralOrderFormTemplate, path) || !OpenTemplate(owner, path)) {
    fprintf(stderr, "recalc_bench: the order form did not open\n");
    return 1;
  }
  HandleMessages();
  // A buyer in the taxed state with an order in four slots.
  CopyText(BuyerRecord.state, sizeof BuyerRecord.state, "TX");
  CopyText(BuyerRecord.country, sizeof BuyerRecord.country, "USA");
  const char *quantities[][2] = {{"qty_1", "1"}, {"qty_4", "2"}, {"qty_7", "4"}, {"qty_9", "1"}};
  for (const auto &quantity : quantities) VORM_SetEditText(quantity[0], quantity[1]);

  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> whole, changed, reading, writing, look, key, field, same;
  auto tick = [&](std::vector<double> &times) {
    LARGE_INTEGER before, after;
    QueryPerformanceCounter(&before);
    {
      SettingsOperation operation;  // as the 500 ms tick opens one
      RecalculateOrderForm(BuyerRecord);
    }
    QueryPerformanceCounter(&after);
    times.push_back(Microseconds(before, after, frequency));
  };
  for (int run = 0; run < runs; ++run) {
    // The customer changed a quantity: the line price and the four sums
    // change. Then the form as it stands: every field shows its text.
    VORM_SetEditText("qty_1", run % 2 == 0 ? "2" : "1");
    tick(changed);
    tick(whole);
    LARGE_INTEGER before, between, after;
    // The same work in its two halves, after another change: to a quantity
    // that neither this run nor the next one types.
    VORM_SetEditText("qty_1", "3");
    {
      SettingsOperation operation;
      Order order = {};
      QueryPerformanceCounter(&before);
      ReadUnitPrices(order);
      ReadOrderForm(order);
      ComputeOrderTotals(order, BuyerRecord);
      QueryPerformanceCounter(&between);
      WriteOrderForm(order);
      QueryPerformanceCounter(&after);
      reading.push_back(Microseconds(before, between, frequency));
      writing.push_back(Microseconds(between, after, frequency));
    }
    // One call of each kind: the first read of an operation, which looks at
    // the file, a read from the snapshot, a field written with a new text and
    // one given the text it shows.
    {
      SettingsOperation next;
      char value[kValueCapacity] = "";
      QueryPerformanceCounter(&before);
      ReadSetting(kUnitPriceKeys[0], value);
      QueryPerformanceCounter(&between);
      ReadSetting(kUnitPriceKeys[1], value);
      QueryPerformanceCounter(&after);
      look.push_back(Microseconds(before, between, frequency));
      key.push_back(Microseconds(between, after, frequency));
    }
    const char *line = run % 2 == 0 ? "  1.00" : "";
    QueryPerformanceCounter(&before);
    VORM_SetEditText("line_2", line);
    QueryPerformanceCounter(&between);
    VORM_SetEditText("line_2", line);
    QueryPerformanceCounter(&after);
    field.push_back(Microseconds(before, between, frequency));
    same.push_back(Microseconds(between, after, frequency));
  }
  std::sort(whole.begin(), whole.end());
  std::sort(changed.begin(), changed.end());
  char total[64] = "";
  VORM_GetEditText("total", total, sizeof total);
  printf("runs=%d\tmedian_us=%.1f\tp90_us=%.1f\tmin_us=%.1f\tmax_us=%.1f\t"
         "changed_median_us=%.1f\tchanged_p90_us=%.1f\tchanged_min_us=%.1f\t"
         "changed_max_us=%.1f\tread_us=%.1f\twrite_us=%.1f\tlook_us=%.1f\tkey_us=%.1f\t"
         "field_us=%.1f\tsame_us=%.1f\ttotal=%s\n",
         runs, whole[whole.size() / 2], whole[whole.size() * 9 / 10], whole.front(),
         whole.back(), changed[changed.size() / 2], changed[changed.size() * 9 / 10],
         changed.front(), changed.back(), Median(reading), Median(writing), Median(look),
         Median(key), Median(field), Median(same), total);
  DestroyWindow(owner);
  return 0;
}
