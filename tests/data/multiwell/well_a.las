~Version information
 VERS.   2.0 : version
 WRAP.   NO : wrap
~Well information
 NULL.   -999.25 : null value
 WELL.   A1 : well
~Curve information
 DEPT.M : depth
 GR.API : gamma ray
 Éù²¨.US/M : sonic
~A
1000 50 250
1000.5 51 251
