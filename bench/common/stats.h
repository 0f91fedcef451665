// Order statistics of the bench's samples, and the key-value lines the probes report them in.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace bench {

// The median, the p-th percentile (nearest rank, p in 0..100) and the largest of the samples;
// 0 for none.
double median(std::vector<double> samples);
double percentile(std::vector<double> samples, double p);
double largest(const std::vector<double>& samples);

// "name value" lines: the probes print them and the driver reads them back.
void printFigure(const std::string& name, double value);
std::map<std::string, double> parseFigures(const std::string& text);

} // namespace bench
