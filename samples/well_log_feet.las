~VERSION INFORMATION
 VERS.                  2.0 :   CWLS LOG ASCII STANDARD - VERSION 2.0
 WRAP.                  NO :   ONE LINE PER DEPTH STEP
~WELL INFORMATION
#MNEM.UNIT       DATA                     DESCRIPTION
#----.----   ---------------------------  ---------------------------
 STRT.F       7053.0000                    : START DEPTH
 STOP.F       7064.5000                    : STOP DEPTH
 STEP.F       0.5000                       : STEP
 NULL.        -999.25                      : NULL VALUE
 COMP.        HUADONG PETROLEUM CO.        : COMPANY
 WELL.        HD-12F                       : WELL
 FLD .        NANHU                        : FIELD
 LOC .        BLOCK 3 NORTH                : LOCATION
 PROV.        JIANGSU                      : PROVINCE
 SRVC.        EAST LOGGING SERVICES        : SERVICE COMPANY
 DATE.        2023-09-14                   : LOG DATE
 UWI .        320100-HD12-00               : UNIQUE WELL ID
~CURVE INFORMATION
 DEPT.F                       :  1  DEPTH
 GR  .API                     :  2  GAMMA RAY
 DEN .G/CM3                   :  3  BULK DENSITY
 RT  .OHMM                    :  4  TRUE RESISTIVITY
~A  DEPTH      GR      DEN       RT
  7053.00   66.1988    2.4379   41.4285
  7053.50   68.7071    2.4266   35.0101
  7054.00   74.7003    2.4355   33.8273
  7054.50   73.1240    2.4392   28.9112
  7055.00   71.6355    2.4320   35.4806
  7055.50   72.6307   -999.25   32.6012
  7056.00   67.1582    2.4227   43.5485
  7056.50   70.3907    2.4512   39.9561
  7057.00   66.3784    2.4200   44.8043
  7057.50   73.5527    2.4526   29.4547
  7058.00   77.5990    2.4494   25.7926
  7058.50   81.2341    2.4728   23.3933
  7059.00   80.6562    2.4769   24.8814
  7059.50   79.3433    2.4416   33.4863
  7060.00   76.1699    2.4730   33.2677
  7060.50   71.1295    2.4278   42.8344
  7061.00   69.6751    2.4515   32.4414
  7061.50   63.4010    2.4328   48.5423
  7062.00   60.1888    2.4181   52.1751
  7062.50   49.8017    2.4133   75.9086
  7063.00   52.8768    2.4035   65.3768
  7063.50   50.9870    2.4047   68.4253
  7064.00   41.5318    2.3860   86.1888
  7064.50   38.9773    2.3971  110.2046
