#pragma once

class B {};
