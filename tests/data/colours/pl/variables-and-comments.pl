#!/usr/bin/perl
my $x = "text"; # comment
print STDOUT $x if defined $x;
sub f { return 1; }
