#pragma once

class Store {};
