// recalc_bench: times the launcher's recalculation of the order form, with
// the launcher's own code (settings through the system's profile service,
// the string table) and the real form engine. Sits beside VelInst.ini on a
// disc, opens the [General] "Orderform Dtp" template, types quantities and
// runs RecalculateOrderForm again and again.
//
//   recalc_bench RUNS
//
// Prints runs=, median_us=, p90_us=, min_us=, max_us=, the medians of its two
// halves (reading and pricing: read_us=; writing back: write_us=), of one
// settings read (key_us=) and of one field written (field_us=), and the
// total the form shows (total=), tab-separated. Exit codes: 0 done, 1
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
#include "settings/settings.h"
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
  std::vector<double> whole, reading, writing, key, field;
  for (int run = 0; run < runs; ++run) {
    LARGE_INTEGER before, between, after;
    QueryPerformanceCounter(&before);
    RecalculateOrderForm(BuyerRecord);
    QueryPerformanceCounter(&after);
    whole.push_back(Microseconds(before, after, frequency));
    // The same work in its two halves, and one call of each kind it makes.
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
    char value[kValueCapacity] = "";
    QueryPerformanceCounter(&before);
    ReadSetting(kUnitPriceKeys[0], value);
    QueryPerformanceCounter(&between);
    VORM_SetEditText("line_2", run % 2 == 0 ? "  1.00" : "");
    QueryPerformanceCounter(&after);
    key.push_back(Microseconds(before, between, frequency));
    field.push_back(Microseconds(between, after, frequency));
  }
  std::sort(whole.begin(), whole.end());
  char total[64] = "";
  VORM_GetEditText("total", total, sizeof total);
  printf("runs=%d\tmedian_us=%.1f\tp90_us=%.1f\tmin_us=%.1f\tmax_us=%.1f\tread_us=%.1f\t"
         "write_us=%.1f\tkey_us=%.1f\tfield_us=%.1f\ttotal=%s\n",
         runs, whole[whole.size() / 2], whole[whole.size() * 9 / 10], whole.front(),
         whole.back(), Median(reading), Median(writing), Median(key), Median(field), total);
  DestroyWindow(owner);
  return 0;
}
