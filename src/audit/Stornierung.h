#pragma once

// "Fahrt stornieren": asks for the reason and stores a row that cancels the trip; the trip then
// counts nowhere but stays visible among the corrections. True when the cancellation was stored.
namespace stornierung {

bool fahrtStornieren(int fahrtId);

} // namespace stornierung
