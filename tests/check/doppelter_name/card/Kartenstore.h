#pragma once

class Kartenstore {};
