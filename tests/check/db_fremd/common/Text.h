#pragma once

class Text {};
